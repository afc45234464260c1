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
    // Never overwrites an existing target.
    virtual bool copyFileNoOverwrite(const std::string& source, const std::string& target) = 0;
    // Moves a folder with its contents to the trash; true only when it is really gone.
    virtual bool moveFolderToTrash(const std::string& path) = 0;
    // Creates or truncates the file and writes the bytes as given.
    virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;

    // Starts a new instance of the program. False when it could not be started.
    virtual bool startNewInstance() = 0;
};

}  // namespace nakkas
