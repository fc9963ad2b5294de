#pragma once
#include <QDialog>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "iface/dialogs.h"
#include "options/options_editor.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace vrx::gui {

// The " Setting" dialog. It edits a copy of the editor; Save checks every field, hands the copy
// back and accepts; Close, Esc and the close box reject and leave the editor as it was. After an
// accepted exec() the caller runs the editor's save(). The scan button acts at once through
// `scan`, which returns false when the port box was refused.
class FrmOptions : public QDialog {
    Q_OBJECT
public:
    using ScanHandler = std::function<bool(const OptionsEditor&)>;
    FrmOptions(QWidget* parent, OptionsEditor& editor, Dialogs& dialogs, bool alwaysOnTop, ScanHandler scan);

    // The link changed state while the dialog is open.
    void showLinkState(const LinkStateView& view);

    QComboBox* portBox() const { return m_portBox; }
    QCheckBox* fixedBox() const { return m_fixed; }
    QLabel* portLabel() const { return m_portLabel; }
    QPushButton* scanButton() const { return m_scan; }
    QCheckBox* logBox() const { return m_log; }
    QCheckBox* memoryBox() const { return m_memory; }
    // An option button of a group by its stored code.
    QRadioButton* option(const QString& group, int code) const;
    QLineEdit* offsetEdit(int channel) const { return m_offsets.at(static_cast<std::size_t>(channel)).edit; }
    QScrollBar* offsetBar(int channel) const { return m_offsets.at(static_cast<std::size_t>(channel)).bar; }
    QCheckBox* seriesBox(Swatch kind, int index) const;
    QToolButton* swatch(Swatch kind, int index) const;
    // 0 " Save", 1 " Close".
    QPushButton* button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct OffsetRow {
        QLabel* name = nullptr;
        QLineEdit* edit = nullptr;
        QScrollBar* bar = nullptr;
    };
    struct SeriesRow {
        QCheckBox* check = nullptr;
        QToolButton* swatch = nullptr;
    };

    QGroupBox* buildPort();
    QGroupBox* buildStart();
    QGroupBox* buildTemperatures();
    QGroupBox* buildFlow();
    QGroupBox* buildSeries();
    QGroupBox* buildColors();
    QGroupBox* buildGraphChoice();
    QLayout* buildButtons();
    // A row of option buttons for `codes`; picking one stores its code through `store`.
    QWidget* optionRow(const QString& group, const std::vector<std::pair<int, QString>>& codes, int selected,
                       const std::function<void(int)>& store);
    QToolButton* makeSwatch(Swatch kind, int index, const QString& what);
    void showSwatch(Swatch kind, int index);
    void showPortState();
    void showOffset(int channel);
    void leaveOffset(int channel);
    void showBoard();
    void save();

    OptionsEditor& m_editor;
    OptionsEditor m_work;
    Dialogs& m_dialogs;
    ScanHandler m_scanHandler;
    QComboBox* m_portBox = nullptr;
    QCheckBox* m_fixed = nullptr;
    QLabel* m_portLabel = nullptr;
    QPushButton* m_scan = nullptr;
    QCheckBox* m_log = nullptr;
    QCheckBox* m_memory = nullptr;
    QWidget* m_preview = nullptr;
    std::map<QString, std::map<int, QRadioButton*>> m_options;
    std::array<OffsetRow, 10> m_offsets{};
    std::map<Swatch, std::vector<SeriesRow>> m_series;
    std::array<QToolButton*, 3> m_graphSwatches{};
    std::array<QWidget*, 2> m_meterRows{};
    std::array<QPushButton*, 2> m_buttons{};
    bool m_showing = false;
};

} // namespace vrx::gui
