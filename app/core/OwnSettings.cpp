#include "app/core/OwnSettings.h"

namespace pelumo {
namespace {

constexpr const char16_t *kVoiceFrame = u"声の設定（速さ・高さ・音量）";
constexpr const char16_t *kScreenFrame = u"画面の設定";

constexpr SettingRow kRows[] = {
    {kVoiceFrame, keys::VoiceSpeed, u"話す速さ", SettingKind::Number, 10, u"%"},
    {kVoiceFrame, keys::VoicePitch, u"声の高さ", SettingKind::Number, 10},
    {kVoiceFrame, keys::VoiceVolume, u"音量", SettingKind::Number, 10, u"%"},
    {kScreenFrame, keys::FullScreen, u"全画面で表示する", SettingKind::OnOff},
    {kScreenFrame, keys::HidePointer, u"マウスポインタを隠す", SettingKind::OnOff},
};

// Rounds down (or up) to a multiple of step, also for negative values.
int floorTo(int value, int step)
{
    const int r = ((value % step) + step) % step;
    return value - r;
}

} // namespace

std::span<const SettingRow> ownSettings()
{
    return kRows;
}

int steppedValue(const SettingRow &row, int value, int direction)
{
    const int step = qMax(1, row.step);
    int next;
    if (direction > 0)
        next = floorTo(value, step) + step;
    else {
        const int down = floorTo(value, step);
        next = down == value ? value - step : down;
    }
    return qBound(row.key.min, next, row.key.max);
}

QString shownValue(const SettingRow &row, int value)
{
    return QString::number(value) + QString::fromUtf16(row.unit);
}

} // namespace pelumo
