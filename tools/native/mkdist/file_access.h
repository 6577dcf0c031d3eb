// Whole-file reads and writes for the tool. Failures raise Exception with the path and the
// reason, so every error message names the file it is about.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> ReadWholeFile(const std::string& Path);
void WriteWholeFile(const std::string& Path, const std::vector<uint8_t>& Bytes);
void WriteWholeFile(const std::string& Path, const uint8_t* Bytes, size_t Size);
// Size of a regular file; raises Exception when it is missing or not a regular file.
uint64_t RegularFileSize(const std::string& Path);
bool FileExists(const std::string& Path);
// Path of Name inside Folder.
std::string PathIn(const std::string& Folder, const std::string& Name);
// The last component of Path.
std::string BaseName(const std::string& Path);
