#include "pumptest/pump_test_capture.h"

#include "diag/messages.h"
#include "iface/file_access.h"
#include "shell/picture_files.h"

namespace vrx {
namespace {

constexpr const char* kTitle = " Pump Characteristics";
constexpr const char* kProcedure = "FrmCharacteristics.mImgCapture";
constexpr int kSwatches = 4;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

template <class Pump>
auto& swatchOf(Pump& pump, int k) {
    return k < 2 ? pump.PumpColor.at(at(k)) : pump.FlowColor.at(at(k - 2));
}

} // namespace

std::string pictureFileName(const std::string& confirmed) {
    const std::size_t slash = confirmed.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = confirmed.find_last_of('.');
    // A leading dot names a hidden file, not an extension.
    const bool hasExtension = dot != std::string::npos && dot > nameStart && dot + 1 < confirmed.size();
    return hasExtension ? confirmed : confirmed + ".bmp";
}

PumpTestCapture::PumpTestCapture(Settings& settings, Dialogs& dialogs, PumpTestHost& host,
                                 std::string programFolder)
    : m_settings(settings), m_dialogs(dialogs), m_host(host), m_folder(std::move(programFolder)) {
    if (!m_folder.empty() && m_folder.back() != '/') m_folder += '/';
}

bool PumpTestCapture::mImgCapture(const std::function<std::string()>& encodeBmp) {
    const std::string confirmed = m_dialogs.saveFile(bmpSaveRequest(m_folder));
    if (confirmed.empty() || confirmed.back() == '/') return false;
    const std::string path = pictureFileName(confirmed);
    // The chooser asked about the name it returned; a name we extended was never asked about.
    if (path != confirmed && !mayReplacePicture(m_dialogs, kTitle, path)) return false;
    const std::string bytes = encodeBmp();
    if (bytes.empty()) {
        failed(path, "the chart could not be drawn");
        return false;
    }
    if (const FileOutcome out = fileAccess().write(path, bytes); !out.ok()) {
        failed(path, out.description);
        return false;
    }
    m_dialogs.standardBox(kTitle, MessageText(109), BoxIcon::Information, BoxButtons::Ok);
    return true;
}

void PumpTestCapture::failed(const std::string& path, const std::string& reason) {
    m_host.logError(kProcedure, path + ": " + reason);
    m_dialogs.standardBox(kTitle, "The chart could not be saved as " + path + ":\n" + reason + "   ",
                          BoxIcon::Critical, BoxButtons::Ok);
}

Int32 PumpTestCapture::swatchColor(int k) const {
    return swatchOf(m_settings.pump, k);
}

bool PumpTestCapture::mPickColor(int k) {
    if (k < 0 || k >= kSwatches) return false;
    Int32& colour = swatchOf(m_settings.pump, k);
    const auto chosen = m_dialogs.chooseColor(colour);
    if (!chosen || *chosen == colour) return false;
    colour = *chosen;
    m_host.saveSystemFile();
    m_host.refresh();
    return true;
}

} // namespace vrx
