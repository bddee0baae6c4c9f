#include "model/IniFile.h"

#include <cerrno>
#include <optional>
#include <span>

#include "model/FileAccess.h"
#include "model/ProfileText.h"
#include "model/UserText.h"

namespace ht57 {

CIniFile::CIniFile(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)) {}

void CIniFile::SetFileName(std::string_view name) {
    path_ = programFolder_ / name;
}

std::string CIniFile::ReadContents() const {
    const FileStart file = ReadFileStart(path_, kMaxFileSize, kMaxLineLength);
    return std::string(file.bytes.begin(), file.bytes.end());
}

std::string CIniFile::GetString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    if (key.empty()) {
        return std::string(defaultValue);
    }
    return ProfileString(ReadContents(), section, key, defaultValue);
}

int CIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (key.empty() || value.empty()) {
        return 0;
    }
    return Write(section, key, value) ? 1 : 0;
}

Result CIniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string where = path_.string();
    if (key.empty() || value.empty() || !IsWritableProfileEntry(section, key, value)) {
        return Result::Failure(SystemErrorText(EINVAL),
                               Fill(Msg("Model", "Cannot write this entry to %1"), where));
    }
    // Read one byte more than the limit to tell a full file from a cut one.
    const FileStart file = ReadFileStart(path_, kMaxFileSize + 1);
    if (file.error != 0 && file.error != ENOENT) {
        // Never replace a file that could not be read whole.
        return Result::Failure(SystemErrorText(file.error),
                               Fill(Msg("Model", "Cannot read %1"), where));
    }
    if (file.bytes.size() > kMaxFileSize) {
        return Result::Failure(SystemErrorText(EFBIG),
                               Fill(Msg("Model", "Cannot rewrite %1"), where));
    }
    const std::string old(file.bytes.begin(), file.bytes.end());
    const std::optional<std::string> updated = SetProfileValue(old, section, key, value);
    if (file.opened && *updated == old) {
        return Result::Success();
    }
    const auto* data = reinterpret_cast<const Byte*>(updated->data());
    return WriteFileAtomically(path_, std::span<const Byte>(data, updated->size()));
}

}  // namespace ht57
