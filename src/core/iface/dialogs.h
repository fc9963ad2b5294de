#pragma once
// Message boxes and file choosers as the core asks for them; the GUI shows them, tests script the
// answers.
#include <cstdint>
#include <optional>
#include <string>

namespace vrx {

enum class BoxIcon { None, Information, Warning, Critical, Question };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No, Closed };

// The program's own message box: mode 0 = "OK", 1 = "Yes"/"No", 2 = "OK"/"Cancel".
struct MessageBoxRequest {
    int widthTwips = 0;
    int heightTwips = 0;
    int mode = 0;
    std::string title;
    std::string line1;
    std::string line2;
    int picture = 0;
};

// A chooser for one existing file.
struct OpenFileRequest {
    std::string title;
    std::string filter;           // "Name (*.ext)|*.ext|Other|*.*": description and pattern pairs
    std::string defaultExtension; // ".wav"
    std::string folder;           // where the chooser starts
};

// A chooser for a file to write. The chooser itself asks before an existing file is replaced, and
// adds defaultExtension to a name typed without one.
struct SaveFileRequest {
    std::string title;
    std::string filter;           // as in OpenFileRequest
    std::string defaultExtension; // ".log"
    std::string folder;           // where the chooser starts
    std::string name;             // the file name preset in the chooser; "" for none
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The platform's standard box.
    virtual BoxAnswer standardBox(const std::string& title, const std::string& text, BoxIcon icon,
                                  BoxButtons buttons) = 0;
    // The program's own box; returns 0 (first button), 1 (second button or Esc), 2 (closed).
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    // The full path of the chosen file, or "" when the chooser was cancelled.
    virtual std::string openFile(const OpenFileRequest& request) = 0;
    // The full path the user confirmed, or "" when the chooser was cancelled.
    virtual std::string saveFile(const SaveFileRequest& request) = 0;
    // The desktop's colour chooser, opened on `bgr` (0x00BBGGRR, as colours are stored); the
    // chosen colour in the same form, or nothing when it was cancelled.
    virtual std::optional<std::int32_t> chooseColor(std::int32_t bgr) = 0;
};

} // namespace vrx
