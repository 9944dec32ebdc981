#include "file_access.h"

FileTooLarge::FileTooLarge(const std::string& path, std::uintmax_t size)
    : std::runtime_error(path + ": " + std::to_string(size) + " bytes is too large"), size_(size) {}

FileWriteError::FileWriteError(std::string path, std::string reason)
    : std::runtime_error(path + ": " + reason), path_(std::move(path)), reason_(std::move(reason)) {}
