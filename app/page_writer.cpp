#include "page_writer.h"

#include "file_access.h"

void WritePageFile(const std::string& path, std::string_view bytes) { WriteFileReplacing(path, bytes); }

PageWriter FileOutput::AsPageWriter() {
    return [this](const std::string& path, std::string_view bytes) {
        try {
            WritePageFile(path, bytes);
        } catch (const FileWriteError& error) {
            failure_ = error.what();
            throw;
        }
    };
}
