#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "iface/dialogs.h"

namespace vrx::test {

// Records every box and chooser and answers from a script (Ok/0/cancel when the script is empty).
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        std::string title;
        std::string text;
        BoxIcon icon;
        BoxButtons buttons;
    };
    std::vector<Shown> standard;
    std::vector<MessageBoxRequest> own;
    std::deque<BoxAnswer> nextAnswers;
    std::deque<int> nextResults;
    std::vector<OpenFileRequest> openRequests;
    std::deque<std::string> nextFiles; // "" = cancelled
    std::vector<SaveFileRequest> saveRequests;
    std::deque<std::string> nextSaveFiles; // "" = cancelled
    std::vector<std::int32_t> colorRequests;
    std::deque<std::optional<std::int32_t>> nextColors; // nothing = cancelled

    BoxAnswer standardBox(const std::string& title, const std::string& text, BoxIcon icon,
                          BoxButtons buttons) override {
        standard.push_back({title, text, icon, buttons});
        if (nextAnswers.empty()) return buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::No;
        const BoxAnswer a = nextAnswers.front();
        nextAnswers.pop_front();
        return a;
    }
    int messageBox(const MessageBoxRequest& request) override {
        own.push_back(request);
        if (nextResults.empty()) return 0;
        const int r = nextResults.front();
        nextResults.pop_front();
        return r;
    }
    std::string openFile(const OpenFileRequest& request) override {
        openRequests.push_back(request);
        if (nextFiles.empty()) return {};
        std::string path = nextFiles.front();
        nextFiles.pop_front();
        return path;
    }
    std::string saveFile(const SaveFileRequest& request) override {
        saveRequests.push_back(request);
        if (nextSaveFiles.empty()) return {};
        std::string path = nextSaveFiles.front();
        nextSaveFiles.pop_front();
        return path;
    }
    std::optional<std::int32_t> chooseColor(std::int32_t bgr) override {
        colorRequests.push_back(bgr);
        if (nextColors.empty()) return std::nullopt;
        const auto c = nextColors.front();
        nextColors.pop_front();
        return c;
    }
};

} // namespace vrx::test
