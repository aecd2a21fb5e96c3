#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace zorkan {

// Writes `content` to a temporary file in the same folder and renames it over `path`, keeping the
// permissions of the file it replaces (a new file gets 0666 less the umask): whatever happens
// midway, `path` holds the old or the new content, never a mixture. A process killed midway may
// leave its temporary behind, named ".<file name>.tmp-" and six random characters. Through a
// symbolic link the file it names is replaced (or created) and the link stays. false when the file
// system refused, when `path` carries a read-only mark (no write permission bit), which a write
// must not override even for root, or when the file's permissions deny this process writing it.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view content);

// Writes `content` to a temporary file in the same folder and links it in as `path` with the
// permissions `permissions`: whatever happens midway, nothing is at `path` or the whole file is.
// Never replaces anything: std::errc::file_exists when `path` is taken, so that two writers
// choosing the same new name cannot lose one file. Otherwise the file system's reason for a
// refusal, or no error. A process killed midway may leave its temporary behind, as above.
std::error_code CreateFileAtomically(const std::filesystem::path& path, std::string_view content,
                                     std::filesystem::perms permissions);

}  // namespace zorkan
