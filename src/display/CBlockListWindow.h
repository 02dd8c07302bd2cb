#pragma once
// "Block Li&st": a tool window listing the waveform files (blocks) of the last
// opened index file. A double click opens a block as the current document.
// Colours and font come from the block list style of the settings and are
// changed through the context menu; column widths and placement persist in
// section "BlockFile".

#include "infowin/ToolWindow.h"

#include <functional>

class QStandardItemModel;
class QTableView;

namespace kp {

class CBlockFileList;
class SettingsStore;
class UserMessages;
struct KpSettings;

class CBlockListWindow : public ToolWindow {
    Q_OBJECT

public:
    using BlockOpener = std::function<void(const QString& path)>;
    CBlockListWindow(const CBlockFileList& blocks, KpSettings& settings, SettingsStore& store, UserMessages& messages,
        BlockOpener open, QWidget* parent);
    ~CBlockListWindow() override;

    // Fills the rows from the block list (after every open).
    void Refresh();
    QTableView* table() const { return table_; }
    // Opens the last of the selected rows, or says "File not found.".
    void OpenSelected();
    void ApplyStyle();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Widths and the window's own rectangle on the screen.
    void StoreSettings(const std::optional<SettingsRect>& placement) override;

private:
    const CBlockFileList& blocks_;
    KpSettings& settings_;
    SettingsStore& store_;
    UserMessages& messages_;
    BlockOpener open_;
    QStandardItemModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    bool centreOnFirstShow_ = false;
};

} // namespace kp
