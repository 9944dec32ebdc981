#include "page_writer.h"

#include "file_access.h"

void WritePageFile(const std::string& path, std::string_view bytes) { WriteFileReplacing(path, bytes); }
