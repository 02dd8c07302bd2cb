#include "display/PaneSet.h"

#include "display/CommandActions.h"

#include "app/KpSettings.h"
#include "app/QtFontDescription.h"
#include "display/CKpView.h"
#include "display/CMainFrame.h"
#include "display/ColourPicker.h"
#include "display/FrameClient.h"
#include "display/RemarkList.h"
#include "display/RemarkListModel.h"
#include "display/WaveGauge.h"
#include "display/WaveTitleStrip.h"
#include "export/ExportTexts.h"
#include "view/GaugeChannels.h"
#include "view/RemarkChannels.h"
#include "wavefile/CKpDoc.h"

#include <QAction>
#include <QEvent>
#include <QInputDialog>

namespace kp {

PaneSet::PaneSet(CMainFrame& frame)
    : QObject(&frame)
    , frame_(frame)
{
    FrameClient& client = frame.Client();
    title_ = new WaveTitleStrip(&client);
    gauge_ = new WaveGauge(&client);
    remarks_ = new RemarkList(&client);
    remarks_->RestoreColumnWidths(frame.Layout().remarkColumn);
    client.SetTitlePane(title_);
    client.SetGaugePane(gauge_);
    client.SetRemarkPane(remarks_);

    connect(title_, &WaveTitleStrip::styleCommand, this, &PaneSet::TitleCommand);
    connect(remarks_, &RemarkList::styleCommand, this, &PaneSet::RemarkCommand);
    connect(remarks_, &RemarkList::columnWidthsChanged, this,
        [this] { frame_.Layout().remarkColumn = remarks_->ColumnWidths(); });
    connect(&remarks_->Model(), &RemarkListModel::checkToggled, this, &PaneSet::RemarkCheckToggled);
    connect(gauge_, &WaveGauge::gaugeCommand, this, &PaneSet::GaugeCommand);

    CKpView& view = frame.View();
    connect(&view, &CKpView::recordLoaded, this, [this] {
        RefreshTitle();
        RefreshRemarks(0);
        RefreshGauge();
    });
    connect(&view, &CKpView::recordCleared, this, [this] {
        RefreshTitle();
        RefreshRemarks(0);
        RefreshGauge();
    });
    connect(&view, &CKpView::channelsChanged, this, [this] {
        RefreshRemarks(1);
        RefreshGauge();
    });
    connect(&view, &CKpView::magnificationChanged, this, &PaneSet::RefreshGauge);
    view.installEventFilter(this);

    QAction* more = MakeCommandAction(&frame, CommandId::MoreGaugeChannels);
    connect(more, &QAction::triggered, this, [this] { StepGaugeCount(1); });
    QAction* fewer = MakeCommandAction(&frame, CommandId::FewerGaugeChannels);
    connect(fewer, &QAction::triggered, this, [this] { StepGaugeCount(-1); });
    frame.addAction(more);
    frame.addAction(fewer);

    ApplyStyles();
    RefreshTitle();
    RefreshRemarks(0);
    RefreshGauge();
}

bool PaneSet::eventFilter(QObject* watched, QEvent* event)
{
    // The gauge lines up with the wave area, whose height follows the view's.
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        RefreshGauge();
    return QObject::eventFilter(watched, event);
}

void PaneSet::ApplyStyles()
{
    const KpSettings& s = frame_.Settings();
    title_->SetColours(ToQColor(s.title.text), ToQColor(s.title.back));
    title_->setFont(FontFromDescription(s.title.font));
    gauge_->SetColours(ToQColor(s.gage.back), ToQColor(s.gageLineColor));
    gauge_->setFont(FontFromDescription(s.gage.font));
    remarks_->SetColours(ToQColor(s.info.text), ToQColor(s.info.back));
    remarks_->setFont(FontFromDescription(s.info.font));
    frame_.Client().Relayout();
    RefreshGauge();
}

void PaneSet::RefreshTitle()
{
    const CKpDoc& doc = frame_.Document();
    title_->SetText(frame_.View().IsLoaded() ? QString::fromStdString(RecordTitle(doc.GetHeadInfo())) : QString());
}

void PaneSet::RefreshRemarks(int mode)
{
    const CKpView& view = frame_.View();
    RemarkListModel& model = remarks_->Model();
    if (!view.IsLoaded() || view.GetRecord() == nullptr) {
        model.SetRows({});
        return;
    }
    const std::vector<RemarkChannel> channels = RemarkChannelsOf(*view.GetRecord(), view.Channels());
    if (mode == 0) {
        model.SetRows(BuildRemarkRows(frame_.Document().GetHeadInfo(), channels));
        remarks_->FitColumnsUnlessSet();
    } else {
        UpdateRemarkRows(model.Rows(), channels);
        model.RowsChanged();
    }
}

void PaneSet::RefreshGauge()
{
    const CKpView& view = frame_.View();
    const FrameSettings& layout = frame_.Layout();
    const KpSettings& s = frame_.Settings();
    gauge_->SetMenuChecks(layout.gageNumStyle, layout.gageNumAddEu);
    WaveGauge::Content content;
    content.loaded = view.IsLoaded() && view.GetRecord() != nullptr;
    if (content.loaded) {
        const QRect area = view.WaveArea();
        const int offset = view.viewport()->mapTo(&frame_.Client(), QPoint(0, 0)).y() - gauge_->y();
        content.top = area.top() + offset;
        content.bottom = area.bottom() + offset;
        content.divisionsPerHalf = view.GetGeometry().divisionsPerHalf;
        const auto style = static_cast<GaugeNumberStyle>(std::clamp(layout.gageNumStyle, 0, 2));
        for (const GaugeChannel& c : GaugeChannelsOf(*view.GetRecord(), view.Channels(),
                 frame_.Document().GetHeadInfo(), content.divisionsPerHalf, ValidGaugeCount(layout.gageLeftNum)))
            content.columns.push_back(MakeGaugeColumn(c, style, layout.gageNumAddEu, layout.gageFixColor, s.gage.text));
    }
    gauge_->SetContent(std::move(content));
}

void PaneSet::TitleCommand(int which)
{
    KpSettings& s = frame_.Settings();
    const bool changed = which == 0 ? PickColour(&frame_, s.title.text, s.customColours)
        : which == 1                ? PickColour(&frame_, s.title.back, s.customColours)
                                    : PickFont(&frame_, s.title.font);
    if (changed)
        ApplyStyles();
}

void PaneSet::RemarkCommand(int which)
{
    KpSettings& s = frame_.Settings();
    const bool changed = which == 0 ? PickColour(&frame_, s.info.text, s.customColours)
        : which == 1                ? PickColour(&frame_, s.info.back, s.customColours)
                                    : PickFont(&frame_, s.info.font);
    if (changed)
        ApplyStyles();
}

void PaneSet::GaugeCommand(int which)
{
    KpSettings& s = frame_.Settings();
    FrameSettings& layout = frame_.Layout();
    bool changed = false;
    switch (which) {
    case 0:
    case 1:
    case 2:
        layout.gageNumStyle = which;
        RefreshGauge();
        return;
    case 3:
        layout.gageNumAddEu = !layout.gageNumAddEu;
        RefreshGauge();
        return;
    case 4: {
        bool ok = false;
        const int count = QInputDialog::getInt(&frame_, QStringLiteral("Gauge Count"), QStringLiteral("Gauge Count"),
            ValidGaugeCount(layout.gageLeftNum), 1, 64, 1, &ok);
        if (ok)
            SetGaugeCount(count);
        return;
    }
    case 5:
        changed = PickColour(&frame_, s.gage.text, s.customColours);
        break;
    case 6:
        changed = PickColour(&frame_, s.gage.back, s.customColours);
        break;
    case 7:
        changed = PickColour(&frame_, s.gageLineColor, s.customColours);
        break;
    case 8:
        changed = PickFont(&frame_, s.gage.font);
        break;
    default:
        return;
    }
    if (changed)
        ApplyStyles();
}

void PaneSet::SetGaugeCount(int count)
{
    FrameSettings& layout = frame_.Layout();
    layout.gageLeftNum = ValidGaugeCount(count);
    frame_.Client().Relayout();
    if (layout.gageLeft)
        layout.gageLeftWidth = frame_.Client().CurrentRects().gauge.width();
    RefreshGauge();
}

void PaneSet::StepGaugeCount(int delta)
{
    const int now = ValidGaugeCount(frame_.Layout().gageLeftNum);
    const int next = std::clamp(now + delta, 1, 64);
    if (next != now)
        SetGaugeCount(next);
}

void PaneSet::RemarkCheckToggled(qint64 itemData, bool checked)
{
    CKpView& view = frame_.View();
    if (!view.IsLoaded())
        return;
    const auto kind = static_cast<RemarkClass>(itemData / 65536);
    const int index = static_cast<int>(itemData % 65536);
    ChannelDisplayState& channels = view.Channels();
    ChannelClassState* cls = nullptr;
    switch (kind) {
    case RemarkClass::Analog:
        cls = &channels.analog;
        break;
    case RemarkClass::Pulse:
        cls = &channels.pulse;
        break;
    case RemarkClass::Calc:
        cls = &channels.calc;
        break;
    case RemarkClass::LogicUnit:
        view.ToggleLogicGroup(index);
        return;
    }
    if (cls == nullptr || index < 0 || index >= cls->capacity())
        return;
    cls->shown[static_cast<std::size_t>(index)] = checked;
    view.ChannelsEdited();
}

} // namespace kp
