#include "app/OwnSettingsPage.h"
#include "speech/Voices.h"
#include <QLabel>
#include <cstring>

namespace pelumo {
namespace {

// In twips, from the sheet's top. The frames have the first page's left
// edge and width.
constexpr int kFrameLeft = 480;
constexpr int kFrameWidth = 6135;
constexpr int kFirstTop = 120;
constexpr int kFrameHead = 360;     // the caption standing in the frame's top line
constexpr int kFrameFoot = 120;
constexpr int kFrameGap = 105;
constexpr int kRowHeight = 615;     // a command button's height
constexpr int kRowPitch = 735;
constexpr QRect kCaption{360, 0, 2200, kRowHeight};
constexpr QRect kStepper{2640, 0, 3135, kRowHeight};
constexpr QRect kCheckBox{360, 0, 5415, kRowHeight};
// A choice's name is longer than a number: its value takes more of the row.
constexpr double kChoiceShare = 0.55;

QRect atTop(QRect twips, int top)
{
    twips.moveTop(top);
    return twips;
}

bool sameKey(const OptionKey &a, const OptionKey &b)
{
    return std::strcmp(a.key, b.key) == 0;
}

// The end of the run of rows from `begin` that share the same sheet name
// (or frame caption).
std::size_t runEnd(std::span<const SettingRow> rows, std::size_t begin,
                   const char16_t *SettingRow::*field)
{
    std::size_t end = begin;
    while (end < rows.size() && std::u16string_view(rows[end].*field) == rows[begin].*field)
        ++end;
    return end;
}

} // namespace

OwnSettingsPage::OwnSettingsPage(ScaledLayout &layout, const FontSpec &font,
                                 const QRect &sheetArea, QWidget *parent)
    : QWidget(parent), m_layout(layout), m_font(font)
{
    for (const VoiceFile &v : openJTalkVoices())
        m_voiceNames << v.name;
    m_voiceNames << QString::fromUtf16(kEspeakVoice);
    const auto rows = ownSettings();
    m_controls.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size();) {
        const std::size_t end = runEnd(rows, i, &SettingRow::sheet);
        addSheet(rows.subspan(i, end - i), sheetArea);
        i = end;
    }
    showSheet(0);
}

void OwnSettingsPage::addSheet(std::span<const SettingRow> rows, const QRect &area)
{
    auto *widget = new QWidget(this);
    m_layout.place(widget, area);
    m_sheets.push_back({QString::fromUtf16(rows.front().sheet), widget});
    int top = kFirstTop;
    for (std::size_t i = 0; i < rows.size();) {
        const std::size_t end = runEnd(rows, i, &SettingRow::frame);
        QWidget *frame = nullptr;
        top = addFrame(QString::fromUtf16(rows[i].frame), top, int(end - i), &frame);
        for (std::size_t r = i; r < end; ++r)
            addRow(rows[r], frame, kFrameHead + int(r - i) * kRowPitch);
        i = end;
    }
}

int OwnSettingsPage::addFrame(const QString &caption, int top, int rows, QWidget **frame)
{
    const int height = kFrameHead + rows * kRowPitch - (kRowPitch - kRowHeight) + kFrameFoot;
    *frame = new OptionFrame(caption, m_sheets.back().widget);
    m_layout.place(*frame, {kFrameLeft, top, kFrameWidth, height}, m_font);
    return top + height + kFrameGap;
}

void OwnSettingsPage::addRow(const SettingRow &row, QWidget *frame, int top)
{
    Control c{&row, sheetCount() - 1};
    const QString caption = QString::fromUtf16(row.caption);
    const QString name = QString::fromLatin1(row.key.key);
    if (row.kind == SettingKind::OnOff) {
        c.check = new CheckBox(caption, frame);
        c.check->setObjectName(name);
        m_layout.place(c.check, atTop(kCheckBox, top), m_font);
    } else {
        auto *label = new QLabel(caption, frame);
        m_layout.place(label, atTop(kCaption, top), m_font);
        c.stepper = new NumberStepper(frame);
        c.stepper->setObjectName(name);
        c.stepper->cmdMinus->setObjectName(name + QStringLiteral("_minus"));
        c.stepper->cmdPlus->setObjectName(name + QStringLiteral("_plus"));
        if (row.kind == SettingKind::Choice || row.kind == SettingKind::Voice)
            c.stepper->setValueShare(kChoiceShare);
        m_layout.place(c.stepper, atTop(kStepper, top), m_font);
        const std::size_t index = m_controls.size();
        connect(c.stepper, &NumberStepper::stepRequested, this,
                [this, index](int direction) { step(m_controls[index], direction); });
    }
    m_controls.push_back(c);
}

int OwnSettingsPage::sheetIndex(const QString &name) const
{
    for (int i = 0; i < sheetCount(); ++i)
        if (m_sheets[size_t(i)].name == name)
            return i;
    return -1;
}

QString OwnSettingsPage::sheetName(int index) const
{
    return index >= 0 && index < sheetCount() ? m_sheets[index].name : QString();
}

void OwnSettingsPage::showSheet(int index)
{
    m_sheet = qBound(0, index, sheetCount() - 1);
    for (int i = 0; i < sheetCount(); ++i)
        m_sheets[i].widget->setVisible(i == m_sheet);
}

std::vector<OptionRowFacts> OwnSettingsPage::shownRows() const
{
    std::vector<OptionRowFacts> rows;
    for (const Control &c : m_controls) {
        if (c.sheet != m_sheet)
            continue;
        OptionRowFacts row{QString::fromLatin1(c.row->key.key), QString::fromUtf16(c.row->caption)};
        row.onOff = c.check != nullptr;
        if (c.stepper) {
            row.canDecrease = canStep(c, -1);
            row.canIncrease = canStep(c, +1);
        }
        rows.push_back(row);
    }
    return rows;
}

void OwnSettingsPage::load(const OptionReader &read)
{
    QList<VoiceFile> voices;
    for (const QString &name : std::as_const(m_voiceNames))
        voices.append({name, name});
    for (Control &c : m_controls) {
        if (c.row->kind == SettingKind::Voice) {
            m_storedVoice = read(QString::fromLatin1(c.row->key.key), {});
            c.value = int(m_voiceNames.indexOf(chooseVoice(m_storedVoice, voices).name));
        } else
            c.value = readOptionNumber(read, c.row->key);
        if (c.check)
            c.check->setValue(c.value);
        else
            showValue(c);
    }
}

bool OwnSettingsPage::write(SettingsStore &store) const
{
    bool ok = true;
    for (const Control &c : m_controls) {
        const int v = c.check ? c.check->value() : c.value;
        QString text = QString::number(v);
        if (c.row->kind == SettingKind::Voice) {
            // Nothing stored stays nothing while the default is kept: a voice
            // installed later is then the default.
            text = m_voiceNames.value(v);
            if (m_storedVoice.isEmpty() && v == 0)
                continue;
        }
        ok = store.write(QString::fromLatin1(c.row->key.key), text) && ok;
    }
    return ok;
}

void OwnSettingsPage::step(Control &c, int direction)
{
    const int next = nextValue(c, direction);
    if (next == c.value)
        return;
    c.value = next;
    showValue(c);
    const OptionKey &k = c.row->key;
    if (sameKey(k, keys::VoiceSpeed) || sameKey(k, keys::VoicePitch) || sameKey(k, keys::VoiceVolume))
        emit voiceChanged();
}

void OwnSettingsPage::showValue(const Control &c)
{
    const QString shown = c.row->kind == SettingKind::Voice ? shownVoice(m_voiceNames.value(c.value))
                                                             : shownValue(*c.row, c.value);
    c.stepper->showValue(shown, canStep(c, -1), canStep(c, +1));
}

int OwnSettingsPage::nextValue(const Control &c, int direction) const
{
    if (c.row->kind == SettingKind::Voice)
        return qBound(0, c.value + direction, int(m_voiceNames.size()) - 1);
    return steppedValue(*c.row, c.value, direction);
}

bool OwnSettingsPage::canStep(const Control &c, int direction) const
{
    return nextValue(c, direction) != c.value;
}

const OwnSettingsPage::Control *OwnSettingsPage::find(const OptionKey &key) const
{
    for (const Control &c : m_controls)
        if (sameKey(c.row->key, key))
            return &c;
    return nullptr;
}

int OwnSettingsPage::value(const OptionKey &key) const
{
    const Control *c = find(key);
    if (!c)
        return QString::fromLatin1(key.fallback).toInt();
    return c->check ? c->check->value() : c->value;
}

VoiceSettings OwnSettingsPage::voice() const
{
    return {value(keys::VoiceSpeed), value(keys::VoicePitch), value(keys::VoiceVolume)};
}

QString OwnSettingsPage::voiceName() const
{
    const Control *c = find(keys::VoiceName);
    return c ? m_voiceNames.value(c->value) : QString();
}

CheckBox *OwnSettingsPage::checkBox(const OptionKey &key) const
{
    const Control *c = find(key);
    return c ? c->check : nullptr;
}

NumberStepper *OwnSettingsPage::stepper(const OptionKey &key) const
{
    const Control *c = find(key);
    return c ? c->stepper : nullptr;
}

} // namespace pelumo
