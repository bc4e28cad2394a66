// Anthy, the kana-kanji conversion library of Debian. Its settings and
// learning are process-wide: one converter at a time, on one thread.
// Anthy keeps what it learned under "$HOME/.anthy/"; the conf override of
// HOME, made before anthy_init, sends it into the folder given instead.
#include "editing/core/KanjiConverter.h"
#include <QLoggingCategory>

#if PELUMO_HAVE_ANTHY
#include <anthy/anthy.h>
#endif

namespace pelumo {

Q_LOGGING_CATEGORY(lcConvert, "pelumo.convert", QtWarningMsg)

#if PELUMO_HAVE_ANTHY
namespace {

QString segmentText(anthy_context_t context, int segment, int candidate)
{
    const int length = anthy_get_segment(context, segment, candidate, nullptr, 0);
    if (length < 0)
        return {};
    QByteArray buffer(length + 1, '\0');
    if (anthy_get_segment(context, segment, candidate, buffer.data(), length + 1) < 0)
        return {};
    return QString::fromUtf8(buffer.constData(), length);
}

// A context of its own for each request: nothing of one conversion lingers
// into the next.
struct Context {
    anthy_context_t handle = anthy_create_context();
    Context()
    {
        if (handle)
            anthy_context_set_encoding(handle, ANTHY_UTF8_ENCODING);
    }
    ~Context()
    {
        if (handle)
            anthy_release_context(handle);
    }
    Context(const Context &) = delete;
    Context &operator=(const Context &) = delete;
    int segments() const
    {
        anthy_conv_stat stat{};
        return anthy_get_stat(handle, &stat) == 0 ? stat.nr_segment : 0;
    }
    int candidates(int segment) const
    {
        anthy_segment_stat stat{};
        return anthy_get_segment_stat(handle, segment, &stat) == 0 ? stat.nr_candidate : 0;
    }
};

class AnthyConverter final : public KanjiConverter {
public:
    ~AnthyConverter() override
    {
        if (m_open)
            anthy_quit();
    }

    bool open(const QString &learningFolder) override
    {
        anthy_conf_override("HOME", learningFolder.toLocal8Bit().constData());
        m_open = anthy_init() == 0;
        if (!m_open)
            qCWarning(lcConvert) << "Anthy could not be opened";
        return m_open;
    }

    Conversion convert(const QString &kana) override
    {
        Conversion result;
        Context context;
        if (!m_open || !context.handle || kana.isEmpty()
            || anthy_set_string(context.handle, kana.toUtf8().constData()) != 0)
            return result;
        for (int s = 0; s < context.segments(); ++s) {
            ConvertedSegment segment{segmentText(context.handle, s, NTH_UNCONVERTED_CANDIDATE), {}};
            for (int c = 0; c < context.candidates(s); ++c)
                segment.candidates << segmentText(context.handle, s, c);
            result << segment;
        }
        return result;
    }

    // The reading is converted again as one segment, the chosen candidate
    // committed: Anthy learns only what the user chose, not the rest of the
    // message as it had cut it.
    void learn(const QString &reading, const QString &chosen) override
    {
        Context context;
        if (!m_open || !context.handle
            || anthy_set_string(context.handle, reading.toUtf8().constData()) != 0)
            return;
        for (int guard = 0; context.segments() > 1 && guard < reading.size(); ++guard)
            anthy_resize_segment(context.handle, 0, 1);
        if (context.segments() != 1)
            return;
        for (int c = 0; c < context.candidates(0); ++c)
            if (segmentText(context.handle, 0, c) == chosen) {
                anthy_commit_segment(context.handle, 0, c);
                return;
            }
        qCDebug(lcConvert).noquote() << "not among Anthy's candidates, not learned:" << chosen;
    }

private:
    bool m_open = false;
};

} // namespace

std::unique_ptr<KanjiConverter> makeAnthyConverter()
{
    return std::make_unique<AnthyConverter>();
}
#else
std::unique_ptr<KanjiConverter> makeAnthyConverter()
{
    return nullptr;
}
#endif

} // namespace pelumo
