#include "display/ViewCommands.h"

#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "display/CommandActions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace kp {

namespace {

QKeySequence KeyOf(const std::string& key)
{
    return QKeySequence(QString::fromStdString(key), QKeySequence::PortableText);
}

QString LogicProbeName(int l)
{
    return QStringLiteral("L%1%2").arg(QChar('A' + l / 4)).arg(l % 4 + 1);
}

} // namespace

ViewCommands::ViewCommands(CKpView& view, KpSettings& settings, QObject* parent)
    : QObject(parent)
    , view_(view)
    , settings_(settings)
{
    zoomIn_ = MakeCommandAction(this, CommandId::ZoomIn);
    connect(zoomIn_, &QAction::triggered, &view_, &CKpView::ZoomIn);
    zoomOut_ = MakeCommandAction(this, CommandId::ZoomOut);
    connect(zoomOut_, &QAction::triggered, &view_, &CKpView::ZoomOut);

    auto* notationGroup = new QActionGroup(this);
    const char* notationTexts[] = { "&DIV", "&Sec", "&Point", "T&rig", "D&ate" };
    for (int i = 0; i < 5; ++i) {
        QAction* a = Make(QString::fromLatin1(notationTexts[i]));
        a->setCheckable(true);
        notationGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { view_.SetTimeNotation(static_cast<AxisNotation>(i)); });
        notations_[static_cast<std::size_t>(i)] = a;
    }
    enhancedDate_ = Make(QStringLiteral("&Enhanced Date Expression"));
    enhancedDate_->setCheckable(true);
    connect(enhancedDate_, &QAction::triggered, &view_, &CKpView::ToggleEnhancedDate);

    auto* styleGroup = new QActionGroup(this);
    line_ = Make(QStringLiteral("&Line"));
    dots_ = Make(QStringLiteral("&Dots"));
    for (QAction* a : { line_, dots_ }) {
        a->setCheckable(true);
        styleGroup->addAction(a);
    }
    connect(line_, &QAction::triggered, this, [this] {
        settings_.waveStyle = WaveStyle::Line;
        view_.RefreshSettings();
    });
    connect(dots_, &QAction::triggered, this, [this] {
        settings_.waveStyle = WaveStyle::Dots;
        view_.RefreshSettings();
    });

    reverse_ = MakeCommandAction(this, CommandId::ReverseOrder);
    reverse_->setCheckable(true);
    connect(reverse_, &QAction::triggered, &view_, &CKpView::ToggleDrawOrder);
    fixed_ = MakeCommandAction(this, CommandId::Fixed);
    fixed_->setCheckable(true);
    connect(fixed_, &QAction::triggered, &view_, &CKpView::ToggleFixed);
    allOn_ = MakeCommandAction(this, CommandId::AllOn);
    connect(allOn_, &QAction::triggered, this, [this] { view_.ShowAllChannels(true); });
    allOff_ = MakeCommandAction(this, CommandId::AllOff);
    connect(allOff_, &QAction::triggered, this, [this] { view_.ShowAllChannels(false); });

    jumpA_ = Make(QStringLiteral("&A Cursor"));
    connect(jumpA_, &QAction::triggered, &view_, &CKpView::JumpToCursorA);
    jumpB_ = Make(QStringLiteral("&B Cursor"));
    connect(jumpB_, &QAction::triggered, &view_, &CKpView::JumpToCursorB);
    jumpTrig_ = Make(QStringLiteral("&Trig"));
    connect(jumpTrig_, &QAction::triggered, &view_, &CKpView::JumpToTrigger);
    jumpPost_ = Make(QStringLiteral("Po&st Trig"));
    connect(jumpPost_, &QAction::triggered, &view_, &CKpView::JumpToPostTrigger);

    for (int n = 0; n < 32; ++n) {
        QAction* a = Make(QStringLiteral("CH%1").arg(n + 1), KeyOf(AnalogChannelKey(n)));
        a->setData(kCommandAnalogToggleLast - 31 + n);
        connect(a, &QAction::triggered, this, [this, n] { view_.ToggleAnalogChannel(n); });
        analog_[static_cast<std::size_t>(n)] = a;
        QAction* l = Make(LogicProbeName(n));
        l->setData(kCommandLogicToggleFirst + n);
        connect(l, &QAction::triggered, this, [this, n] { view_.ToggleLogicChannel(n); });
        logic_[static_cast<std::size_t>(n)] = l;
    }
    for (int g = 0; g < 16; ++g) {
        QAction* a = Make(QStringLiteral("L%1").arg(QChar('A' + g)), KeyOf(LogicUnitKey(g)));
        a->setData(kCommandLogicGroupFirst + g);
        connect(a, &QAction::triggered, this, [this, g] { view_.ToggleLogicGroup(g); });
        groups_[static_cast<std::size_t>(g)] = a;
    }

    connect(&view_, &CKpView::recordLoaded, this, &ViewCommands::UpdateStates);
    connect(&view_, &CKpView::recordCleared, this, &ViewCommands::UpdateStates);
    connect(&view_, &CKpView::magnificationChanged, this, &ViewCommands::UpdateStates);
    connect(&view_, &CKpView::timeNotationChanged, this, &ViewCommands::UpdateStates);
    connect(&view_, &CKpView::channelsChanged, this, &ViewCommands::UpdateStates);
    UpdateStates();
}

QAction* ViewCommands::Make(const QString& text, const QKeySequence& keys)
{
    auto* a = new QAction(text, this);
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
}

void ViewCommands::UpdateStates()
{
    const bool loaded = view_.IsLoaded();
    zoomIn_->setEnabled(view_.CanZoomIn());
    zoomOut_->setEnabled(view_.CanZoomOut());
    notations_[static_cast<std::size_t>(view_.GetTimeNotation())]->setChecked(true);
    enhancedDate_->setChecked(view_.IsEnhancedDate());
    (settings_.waveStyle == WaveStyle::Dots ? dots_ : line_)->setChecked(true);
    reverse_->setChecked(view_.IsReverseOrder());
    fixed_->setChecked(view_.IsFixed());
    allOn_->setEnabled(loaded);
    allOff_->setEnabled(loaded);
    jumpA_->setEnabled(view_.CanJumpToCursors());
    jumpB_->setEnabled(view_.CanJumpToCursors());
    jumpTrig_->setEnabled(view_.CanJumpToTrigger());
    jumpPost_->setEnabled(view_.CanJumpToPostTrigger());
    for (QAction* a : analog_)
        a->setEnabled(loaded);
    for (QAction* a : logic_)
        a->setEnabled(loaded);
    for (QAction* a : groups_)
        a->setEnabled(loaded);
}

void ViewCommands::FillMagnificationMenu(QMenu& menu) const
{
    menu.clear();
    const Magnification& m = view_.GetMagnification();
    if (!view_.IsLoaded()) {
        QAction* first = menu.addAction(QString::fromStdString(m.label(0)));
        first->setEnabled(false);
        return;
    }
    for (int i = 0; i <= view_.GetHighestIndex(); ++i) {
        QAction* a = menu.addAction(QString::fromStdString(m.label(i)));
        a->setCheckable(true);
        a->setChecked(i == view_.GetMagnificationIndex());
        a->setData(kCommandMagnificationFirst + i);
        connect(a, &QAction::triggered, &view_, [this, i] { view_.SetMagnificationIndex(i); });
    }
}

} // namespace kp
