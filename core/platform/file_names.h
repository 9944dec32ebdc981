#pragma once
// File names as the program holds them: UTF-8 text, handed to std::filesystem and back through
// here, because libstdc++ on Windows would read a narrow string in the ANSI code page.
#include <filesystem>
#include <string>

std::filesystem::path FsPath(const std::string& path);
std::string Utf8Path(const std::filesystem::path& path);

// True when the name leads to a folder (links followed).
bool IsFolder(const std::string& path);

// The last part of the name: what follows its last separator.
std::string PathFileName(const std::string& path);

// `name` inside `folder`, spelled as the folder is: on Windows with the separator the folder
// already uses (C:\raporty gives C:\raporty\a.xml), '/' as everywhere else when it uses
// none; no separator after one it ends with or after a bare drive ("C:"). The messages name a
// folder's reports as the user spelled the folder, alike on both systems.
std::string InFolder(const std::string& folder, const std::string& name);

// The form in which the file system tells names apart: the name itself, or on Windows, where
// "A.htm" and "a.htm" are one file, the name in capitals.
std::string FileNameKey(const std::string& name);

// Eight letters and digits from the system's random source, for names nobody can foresee.
std::string RandomSuffix();
