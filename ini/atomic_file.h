#pragma once

#include <filesystem>
#include <string_view>

namespace zorkan {

// Writes `content` to a temporary file in the same folder and renames it over `path`, keeping the
// permissions of the file it replaces (a new file gets 0666 less the umask): whatever happens
// midway, `path` holds the old or the new content, never a mixture. A process killed midway may
// leave its temporary behind, named ".<file name>.tmp-" and six random characters. Through a
// symbolic link the file it names is replaced (or created) and the link stays. false when the file
// system refused, when `path` carries a read-only mark (no write permission bit), which a write
// must not override even for root, or when the file's permissions deny this process writing it.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace zorkan
