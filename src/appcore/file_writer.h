#pragma once

// The one writer of every file the two programs write: kolvar-chart's PNG,
// TSV, PDF and SVG outputs and label pictures, the desktop program's settings
// file Kolvar.ini, its font file Runex23x.ttf and the sheets it saves as
// pictures. Its policy, for every target:
//
// - A symbolic link is followed and kept: what happens below happens to the
//   file at the end of the chain. A loop of links (or a chain longer than the
//   kernel follows) is refused with ELOOP and the links are left alone.
// - An existing target that is not a regular file (a device, a FIFO, a socket)
//   is never replaced. With SpecialTarget::WriteInto (the command line) it is
//   opened and written into as any writer would, which for a FIFO means
//   waiting for its reader; with SpecialTarget::Refuse (the desktop program's
//   own files) it is neither opened nor written: the type is checked first.
//   A directory is refused with EISDIR.
// - A regular file, or a name not yet taken, is written whole or not at all:
//   the bytes go into a new temporary file beside the target (in the folder of
//   the link's end), which is renamed over the target only once it is
//   complete. The new file keeps the old one's mode and, where the process
//   may change them (root), its owner and group; a new name gets the mode any
//   new file gets (0666 less the umask). A file the process may not write (a
//   read-only file) is refused, as a direct write to it would be, although
//   the rename could replace it. The rename gives the name a new file, so
//   other hard links to the old one keep the old bytes.
// - The temporary is the target's name plus ".tmp-" and six random
//   characters; where that would pass the folder's name limit (255 bytes),
//   the target's name is cut first, so every legal name can be written.
// - Temporaries never outlive the program: a failure removes them, so does
//   the destructor of a FileWriter whose files were not committed, and so
//   does SIGINT or SIGTERM once RemoveTemporariesOnSignals (temporary_files.h)
//   is in place (the command line; the desktop program turns both signals
//   into its exit command, which lets a write finish). A broken pipe is then
//   a write error (EPIPE) like any other, not a silent end by SIGPIPE.
// - fsync: the settings file is flushed to the disk before it replaces the
//   old one (Flush::BeforeReplacing): it is small, written once per run, and
//   the user's only copy of the place and zone; without the flush a crash
//   soon after can leave an empty file on file systems that do not order the
//   data before the rename. Bulk outputs (charts, tables, labels, the font
//   file that is rewritten at every start) are not flushed (Flush::No): they
//   can be made again, and waiting for the disk adds some 10 ms to every
//   file (370 kB on ext4). The folder is flushed in neither case: after a crash
//   the old complete file may come back, never a torn one.
//
// The desktop program also reads its settings only from a regular file
// (ReadRegularFile): a FIFO without a writer would stop it before its window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

enum class SpecialTarget { WriteInto, Refuse };
enum class Flush { No, BeforeReplacing };

struct WritePolicy {
    SpecialTarget Special;
    Flush Sync;
};

inline constexpr WritePolicy BulkOutputPolicy{SpecialTarget::WriteInto, Flush::No};
inline constexpr WritePolicy ProgramFontPolicy{SpecialTarget::Refuse, Flush::No};
inline constexpr WritePolicy SettingsPolicy{SpecialTarget::Refuse, Flush::BeforeReplacing};
// A picture the desktop program saves where its user chose: made again at will,
// and a FIFO without a reader must not stop the window.
inline constexpr WritePolicy DesktopExportPolicy{SpecialTarget::Refuse, Flush::No};

// Why a file was not written: Action is what failed, to be followed by the
// name ("cannot write", "cannot replace", ...), Error the errno value and
// Reason its text (or what the policy refused).
struct WriteFailure {
    std::string Action;
    std::string Name;  // as the caller gave it
    int Error = 0;
    std::string Reason;
};

// What a name leads to, links followed.
enum class TargetKind { Missing, Regular, Directory, Special, LinkLoop };
TargetKind KindOfTarget(const std::string& name);

// Which file a name leads to, links followed, so that two spellings of one
// file ("x", "./x", "$PWD/x", "d/../x") can be told apart from two files:
// the device and inode of the file where it exists; before it exists, the
// device and inode of its folder with its last name; where not even the
// folder exists, its absolute, lexically normal path. Equal keys are one file.
struct FileIdentity {
    std::string Key;
    bool Special = false;  // an existing device, FIFO or socket
};
FileIdentity IdentityOf(const std::string& name);

// Whether a new file of this name (links followed) is refused because its
// last name is longer than its folder takes (255 bytes on most file systems).
bool NameTooLong(const std::string& name);

// The name at the end of a chain of symbolic links (the name itself when it
// is no link; the end need not exist). Nothing for a loop.
std::optional<std::string> FollowLinks(std::string name);

// Several files written together: Stage writes each one's bytes (into its
// temporary, or straight into a device or FIFO), Commit then puts every
// temporary in place, so a failure while staging leaves none of the regular
// files changed. Temporaries not committed are removed with the writer.
class FileWriter {
public:
    explicit FileWriter(WritePolicy policy) : policy_(policy) {}
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    std::optional<WriteFailure> Stage(const std::string& name, std::string_view bytes);
    std::optional<WriteFailure> Commit();

private:
    struct Staged {
        std::string Name;
        std::string Target;
        std::string Temporary;
    };
    WritePolicy policy_;
    std::vector<Staged> staged_;
};

// Removes what a writer killed before it could clean up (SIGKILL, a power
// cut) left beside `name`: temporaries of this writer's naming for that file,
// links followed, last changed at least `minimumAgeSeconds` ago (a younger one
// may be another process's write under way). Returns how many it removed.
int RemoveLeftTemporaries(const std::string& name, int minimumAgeSeconds);

// One file through a FileWriter.
std::optional<WriteFailure> WriteFile(const std::string& name, std::string_view bytes, WritePolicy policy);

// The bytes of a regular file (links followed). A missing file is nothing;
// anything else that is not a regular file is refused without being opened.
// Throws std::system_error naming the step and the reason.
std::optional<std::string> ReadRegularFile(const std::string& name);

}  // namespace kolvar
