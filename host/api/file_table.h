// The host's files: open files by reference, and the creator and type of the files the host created.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "xtapi/types.h"

namespace host::api {

struct FileKind {
    xt::FourLetterCode creator = 0;
    xt::FourLetterCode type = 0;
};

class FileTable {
public:
    FileTable() = default;
    FileTable(const FileTable&) = delete;
    FileTable& operator=(const FileTable&) = delete;
    ~FileTable();

    int16_t create(const std::filesystem::path& path, FileKind kind);
    int16_t open(const std::filesystem::path& path, int16_t permission, xt::FileRef& file);
    int16_t read(xt::FileRef file, int32_t& count, void* buffer);
    int16_t write(xt::FileRef file, int32_t& count, const void* buffer);
    int16_t close(xt::FileRef file);
    int16_t remove(const std::filesystem::path& path);
    /// Renames the file within its folder; `newName` is a bare file name.
    int16_t rename(const std::filesystem::path& path, const std::string& newName);

    /// The creator and type the host stored when it created the file (side table; the file system keeps none).
    std::optional<FileKind> kindOf(const std::filesystem::path& path) const;
    size_t openCount() const { return m_open.size(); }

private:
    struct OpenFile {
        int descriptor;
        std::filesystem::path path;
        int16_t permission;
    };
    bool isOpen(const std::filesystem::path& path) const;

    std::map<xt::FileRef, OpenFile> m_open;
    std::map<std::string, FileKind> m_kinds;
    xt::FileRef m_next = 1;
};

} // namespace host::api
