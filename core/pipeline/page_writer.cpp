#include "page_writer.h"

#include "file_access.h"

// The page holds pupils' names and grades: nobody else may read it.
void WritePageFile(const std::string& path, std::string_view bytes) {
    WriteFileReplacing(path, bytes, NewMode::OwnerOnly);
}

PageWriter FileOutput::AsPageWriter() {
    return [this](const std::string& path, std::string_view bytes) {
        try {
            // A file the user named keeps the permissions files get where it lies.
            WriteFileReplacing(path, bytes);
        } catch (const FileWriteError& error) {
            failure_ = error.what();
            throw;
        }
    };
}
