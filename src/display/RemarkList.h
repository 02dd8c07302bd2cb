#pragma once
// The list below the view: one row of settings per recorded channel, with a
// check box that shows or hides the channel. Its column widths are kept in
// the frame's "RemarkColumn" setting.

#include <QTableView>

#include <string>

namespace kp {

class RemarkListModel;

class RemarkList : public QTableView {
    Q_OBJECT

public:
    explicit RemarkList(QWidget* parent = nullptr);

    RemarkListModel& Model() const { return *model_; }
    void SetColours(const QColor& text, const QColor& back);
    // "%d %d ..." of the eleven widths; a text that does not hold eleven
    // positive numbers leaves the defaults.
    void RestoreColumnWidths(const std::string& text);
    std::string ColumnWidths() const;
    // Until the user sets the widths (or they were stored), each new record
    // fits the columns to their texts.
    void FitColumnsUnlessSet();

signals:
    // The context menu's commands: 0 text colour, 1 background, 2 font.
    void styleCommand(int which);
    void columnWidthsChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    RemarkListModel* model_ = nullptr;
    bool widthsSet_ = false;
    bool fitting_ = false;
};

} // namespace kp
