#include "shell/ShortcutFingerprint.h"

#include <string>

#include "rules/InternetShortcutText.h"
#include "rules/LinkFormat.h"
#include "shell/LinkFileCheck.h"
#include "shell/ShortcutFileKind.h"

namespace {
// The most of a file read for its fingerprint; far more than a shortcut holds.
constexpr DWORD kMaxFingerprintedSize = 1024 * 1024;
}

std::optional<ShortcutFingerprint> ReadShortcutFingerprint(const char* path)
{
    const CScopedFile file = OpenLinkFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    BY_HANDLE_FILE_INFORMATION information = {};
    if (!file.IsOpen() || !::GetFileInformationByHandle(file.Get(), &information) ||
        information.nFileSizeHigh != 0 || information.nFileSizeLow > kMaxFingerprintedSize)
        return std::nullopt;
    std::string bytes(information.nFileSizeLow, '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!::ReadFile(file.Get(), &bytes[0], information.nFileSizeLow, &read, nullptr) ||
                           read != information.nFileSizeLow))
        return std::nullopt;
    if (ShortcutKindOf(path) == ShortcutKind::kInternet) {
        InternetShortcut internet;
        ReadInternetShortcut(bytes, internet);
        return ShortcutFingerprint{0, 0, 0, ShortcutHash(bytes, true), internet.hotKey};
    }
    const std::uint64_t index = (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    const std::uint16_t hotKey = HotKeyWordIn(reinterpret_cast<const unsigned char*>(bytes.data()), read);
    return ShortcutFingerprint{information.dwVolumeSerialNumber, index, read, ShortcutHash(bytes, false), hotKey};
}
