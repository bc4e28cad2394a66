#include "app/core/OwnSettings.h"
#include "speech/core/VoiceCatalog.h"

namespace pelumo {
namespace {

constexpr const char16_t *kVoiceAndScreen = u"声と画面";
constexpr const char16_t *kOperation = u"操作の方法";

constexpr const char16_t *kVoiceFrame = u"声の設定（速さ・高さ・音量）";
constexpr const char16_t *kScreenFrame = u"画面の設定";
constexpr const char16_t *kOperationFrame = u"操作の方法（スイッチ・注視）";
constexpr const char16_t *kPrediction = u"予測";
constexpr const char16_t *kPredictionFrame = u"予測（言葉の候補と次の文字）";


// InputMode 0 to 3, short enough for the value between − and ＋.
constexpr const char16_t *kInputMethods[] = {u"タッチ", u"１スイッチ", u"２スイッチ", u"注視"};

constexpr SettingRow kRows[] = {
    {kVoiceAndScreen, kVoiceFrame, keys::VoiceName, u"声の種類", SettingKind::Voice},
    {kVoiceAndScreen, kVoiceFrame, keys::VoiceSpeed, u"話す速さ", SettingKind::Number, 10, u"%"},
    {kVoiceAndScreen, kVoiceFrame, keys::VoicePitch, u"声の高さ", SettingKind::Number, 10},
    {kVoiceAndScreen, kVoiceFrame, keys::VoiceVolume, u"音量", SettingKind::Number, 10, u"%"},
    {kVoiceAndScreen, kScreenFrame, keys::FullScreen, u"全画面で表示する", SettingKind::OnOff},
    {kVoiceAndScreen, kScreenFrame, keys::HidePointer, u"マウスポインタを隠す", SettingKind::OnOff},
    {kVoiceAndScreen, kScreenFrame, keys::SidePanel, u"画面を縮めて横のパネルを出す", SettingKind::OnOff},
    {kVoiceAndScreen, kScreenFrame, keys::KanjiConvert, u"漢字変換", SettingKind::OnOff},
    {kOperation, kOperationFrame, keys::InputMode, u"入力方法", SettingKind::Choice, 1, u"",
     kInputMethods},
    {kOperation, kOperationFrame, keys::ScanTime, u"スキャン間隔", SettingKind::Seconds, 100},
    {kOperation, kOperationFrame, keys::DwellTime, u"注視の時間", SettingKind::Seconds, 100},
    {kOperation, kOperationFrame, keys::ScanFirstDelay, u"最初の待ち", SettingKind::Seconds, 100},
    {kOperation, kOperationFrame, keys::ScanRounds, u"繰り返し", SettingKind::Number, 1, u"回"},
    {kOperation, kOperationFrame, keys::SwitchAcceptTime, u"長押し時間", SettingKind::Seconds, 50},
    {kOperation, kOperationFrame, keys::SwitchBlockTime, u"二度押し防止", SettingKind::Seconds, 50},
    {kOperation, kOperationFrame, keys::ScanTick, u"項目が移るたびに音を鳴らす", SettingKind::OnOff},
    {kOperation, kOperationFrame, keys::ScanSpeak, u"項目の名前を読み上げる", SettingKind::OnOff},
    {kOperation, kOperationFrame, keys::CallHoldTime, u"呼ぶ長押し", SettingKind::Seconds, 500},
    // The two sheets above are full; 学習をリセット stands under this frame.
    {kPrediction, kPredictionFrame, keys::WordPredict, u"単語予測", SettingKind::OnOff},
    {kPrediction, kPredictionFrame, keys::PredictColour, u"予測の色", SettingKind::OnOff},
};

// Rounds down (or up) to a multiple of step, also for negative values.
int floorTo(int value, int step)
{
    const int r = ((value % step) + step) % step;
    return value - r;
}

// 1500 → "1.5", 2000 → "2", 50 → "0.05".
QString seconds(int milliseconds)
{
    QString text = QString::number(milliseconds / 1000);
    QString fraction = QString::number(milliseconds % 1000).rightJustified(3, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    return fraction.isEmpty() ? text : text + u'.' + fraction;
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
    switch (row.kind) {
    case SettingKind::Choice:
        if (const int i = value - row.key.min; i >= 0 && i < int(row.names.size()))
            return QString::fromUtf16(row.names[i]);
        return QString::number(value);
    case SettingKind::Seconds:
        if (value >= 0)
            return seconds(value) + QStringLiteral("秒");
        return QString::number(value);
    default:
        return QString::number(value) + QString::fromUtf16(row.unit);
    }
}

QString shownVoice(const QString &name)
{
    // Debian's voice by what it is; any other by its name, shortened to fit
    // between the buttons.
    if (name == QString::fromUtf16(kEspeakVoice))
        return QStringLiteral("機械の声");
    if (name == u"nitech_jp_atr503_m001")
        return QStringLiteral("男性の声");
    constexpr int kLongest = 9;
    return name.size() > kLongest ? name.left(kLongest - 1) + u'…' : name;
}

} // namespace pelumo
