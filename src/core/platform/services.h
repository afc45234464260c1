#pragma once

#include <optional>
#include <string>

namespace nakkas {

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// A file chosen in the open-file dialog: the full path and the bare file name.
struct OpenedFile {
    std::string path;
    std::string fileName;
};

// Everything the program needs from the desktop it runs on. The window backs it with Qt, the
// command line with Qt Core and standard error, the tests with a scripted fake. All texts are
// UTF-8; paths are local file-system paths.
class Services {
public:
    virtual ~Services() = default;

    // Modal message box. For an OK box the answer is always Ok.
    virtual MessageAnswer messageBox(const std::string& text, const std::string& caption,
                                     MessageIcon icon, MessageButtons buttons) = 0;

    // Stored strings live in a named section; a missing value gives nullopt, an empty stored
    // value gives the empty text.
    virtual std::optional<std::string> readString(const std::string& section,
                                                  const std::string& name) = 0;
    virtual void writeString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;
    // Integers live at the top level of the store.
    virtual int readInt(const std::string& name, int fallback) = 0;
    virtual void writeInt(const std::string& name, int value) = 0;
    // Makes every write so far durable. False when the store could not be written.
    virtual bool commitSettings() = 0;
    // Where the store lives, for messages.
    virtual std::string settingsLocation() const = 0;

    // The desktop's "open" action on a web address, a file or a folder. Nothing is checked.
    virtual void openDesktop(const std::string& target) = 0;

    virtual void setClipboardText(const std::string& text) = 0;
    virtual std::string clipboardText() = 0;

    virtual std::optional<std::string> saveFileDialog(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& proposedName,
                                                      const std::string& defaultSuffix) = 0;
    virtual std::optional<OpenedFile> openFileDialog(const std::string& title,
                                                     const std::string& filter) = 0;
    virtual std::optional<std::string> folderDialog(const std::string& prompt) = 0;

    virtual bool pathExists(const std::string& path) = 0;
    virtual bool createFolder(const std::string& path) = 0;
    // Copies a regular file and nothing else (a FIFO or a device would never end); never
    // overwrites an existing target.
    virtual bool copyFileNoOverwrite(const std::string& source, const std::string& target) = 0;
    // Moves a folder with its contents to the user's trash, restorably; true only when it is
    // really gone. Ends in bounded time, and fails rather than put it anywhere but the trash.
    virtual bool moveFolderToTrash(const std::string& path) = 0;
    // Writes the bytes as given into a regular file, created when missing. The old content stays
    // whole until the new one is complete; any other kind of path is refused.
    virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;

    // A whole tree is written into a fresh folder and then renamed into place, so that a failure
    // half-way leaves nothing behind and a reader never sees half a tree.
    //
    // Creates a new, empty folder inside parent, named prefix followed by a few random
    // characters, and gives its path; nullopt when none could be created.
    virtual std::optional<std::string> createFreshFolder(const std::string& parent,
                                                         const std::string& prefix) = 0;
    // Renames a folder; fails when anything is at the target already.
    virtual bool renameFolder(const std::string& from, const std::string& to) = 0;
    // Deletes a folder and everything in it; links inside are deleted, never followed.
    virtual bool removeTree(const std::string& path) = 0;

    // Starts a new instance of the program. False when it could not be started.
    virtual bool startNewInstance() = 0;
};

}  // namespace nakkas
