#pragma once
// The sample design files the lab's tests register, and a file's bytes.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace mixora::lab::testing {

inline std::string FileBytes(const std::string& path) {
    std::ifstream file(std::filesystem::path(std::u8string(path.begin(), path.end())),
                       std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

inline std::string SamplePath(const std::string& name) {
    return std::string(MIXORA_SAMPLES) + "/" + name;
}

// A sample with one text replaced (which must be there).
inline std::string SampleWith(const std::string& name, const std::string& from,
                              const std::string& to) {
    std::string bytes = FileBytes(SamplePath(name));
    bytes.replace(bytes.find(from), from.size(), to);
    return bytes;
}

} // namespace mixora::lab::testing
