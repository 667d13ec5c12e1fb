#include "PocketSphinxRecognizer.h"

#include "RuntimeLibrary.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

#include <pocketsphinx.h>
#include <sphinxbase/fsg_model.h>
#include <sphinxbase/jsgf.h>


using namespace Qt::StringLiterals;

namespace {

// The other words of the grammar for `target`: up to `count` known vocabulary words taken
// at even steps over the whole list, none of them containing the target or contained in
// it (the owner counts a transcript holding the target as the target).
QStringList companionsFor(const QStringList &known, const QString &target, int count)
{
    QStringList words;
    if (known.isEmpty())
        return words;
    const qsizetype step = std::max<qsizetype>(1, known.size() / count);
    for (qsizetype i = 0; i < known.size() && words.size() < count; i += step) {
        const QString &word = known[i];
        if (word.contains(target) || target.contains(word) || words.contains(word))
            continue;
        words.append(word);
    }
    return words;
}

// The recogniser's library (PocketSphinx, with SphinxBase and the linear algebra and
// Fortran libraries beneath it) is loaded when a decoder first loads its model, on the
// recogniser's thread: linked, it would be mapped and relocated at start-up and hold
// about a mebibyte of memory on every screen, though only one game listens.
struct Sphinx
{
    decltype(&::ps_args) ps_args = nullptr;
    decltype(&::ps_init) ps_init = nullptr;
    decltype(&::ps_free) ps_free = nullptr;
    decltype(&::ps_get_config) ps_get_config = nullptr;
    decltype(&::ps_get_logmath) ps_get_logmath = nullptr;
    decltype(&::ps_lookup_word) ps_lookup_word = nullptr;
    decltype(&::ps_set_fsg) ps_set_fsg = nullptr;
    decltype(&::ps_set_search) ps_set_search = nullptr;
    decltype(&::ps_start_utt) ps_start_utt = nullptr;
    decltype(&::ps_process_raw) ps_process_raw = nullptr;
    decltype(&::ps_get_in_speech) ps_get_in_speech = nullptr;
    decltype(&::ps_get_hyp) ps_get_hyp = nullptr;
    decltype(&::ps_end_utt) ps_end_utt = nullptr;
    decltype(&::cmd_ln_init) cmd_ln_init = nullptr;
    decltype(&::cmd_ln_free_r) cmd_ln_free_r = nullptr;
    decltype(&::cmd_ln_float_r) cmd_ln_float_r = nullptr;
    decltype(&::ckd_free) ckd_free = nullptr;
    decltype(&::jsgf_parse_string) jsgf_parse_string = nullptr;
    decltype(&::jsgf_get_public_rule) jsgf_get_public_rule = nullptr;
    decltype(&::jsgf_build_fsg) jsgf_build_fsg = nullptr;
    decltype(&::jsgf_grammar_free) jsgf_grammar_free = nullptr;
    decltype(&::fsg_model_free) fsg_model_free = nullptr;

    // The library's functions, loaded once (and kept); null when it cannot be loaded.
    static const Sphinx *get() { return RuntimeLibrary::loadOnce<Sphinx>(PW_POCKETSPHINX_LIBRARY); }

    void resolve(RuntimeLibrary &library)
    {
        library.resolve(ps_args, "ps_args");
        library.resolve(ps_init, "ps_init");
        library.resolve(ps_free, "ps_free");
        library.resolve(ps_get_config, "ps_get_config");
        library.resolve(ps_get_logmath, "ps_get_logmath");
        library.resolve(ps_lookup_word, "ps_lookup_word");
        library.resolve(ps_set_fsg, "ps_set_fsg");
        library.resolve(ps_set_search, "ps_set_search");
        library.resolve(ps_start_utt, "ps_start_utt");
        library.resolve(ps_process_raw, "ps_process_raw");
        library.resolve(ps_get_in_speech, "ps_get_in_speech");
        library.resolve(ps_get_hyp, "ps_get_hyp");
        library.resolve(ps_end_utt, "ps_end_utt");
        library.resolve(cmd_ln_init, "cmd_ln_init");
        library.resolve(cmd_ln_free_r, "cmd_ln_free_r");
        library.resolve(cmd_ln_float_r, "cmd_ln_float_r");
        library.resolve(ckd_free, "ckd_free");
        library.resolve(jsgf_parse_string, "jsgf_parse_string");
        library.resolve(jsgf_get_public_rule, "jsgf_get_public_rule");
        library.resolve(jsgf_build_fsg, "jsgf_build_fsg");
        library.resolve(jsgf_grammar_free, "jsgf_grammar_free");
        library.resolve(fsg_model_free, "fsg_model_free");
    }
};

QString baseWord(QStringView entry)
{
    const qsizetype paren = entry.indexOf(u'(');
    return (paren < 0 ? entry : entry.left(paren)).toString();
}

} // namespace

PocketSphinxRecognizer::Model PocketSphinxRecognizer::Model::installed()
{
    const QString root = u"/usr/share/pocketsphinx/model/en-us/"_s;
    return {root + u"en-us"_s, root + u"cmudict-en-us.dict"_s};
}

// The decoder and everything it owns; used only on the recogniser's thread.
class PocketSphinxRecognizer::Decoder
{
public:
    Decoder(QStringList vocabulary, Model model, PocketSphinxRecognizer *owner)
        : m_vocabulary(std::move(vocabulary))
        , m_model(std::move(model))
        , m_owner(owner)
    {
    }

    ~Decoder()
    {
        if (m_ps)
            m_sphinx->ps_free(m_ps);
    }

    void begin(quint64 listening, const QString &target)
    {
        endUtterance();
        if (!load()) {
            fail(listening, true);
            return;
        }
        const QString word = target.trimmed().toLower();
        const QByteArray wordUtf8 = word.toUtf8();
        char *pronunciation = word.isEmpty() ? nullptr : m_sphinx->ps_lookup_word(m_ps, wordUtf8.constData());
        if (!pronunciation) {
            fail(listening, true);
            return;
        }
        m_sphinx->ckd_free(pronunciation);

        QString grammar = u"#JSGF V1.0;\ngrammar word;\npublic <word> = ( /%1/ "_s.arg(targetWeight) + word;
        for (const QString &other : companionsFor(m_known, word, companionCount))
            grammar += u" | /1/ "_s + other;
        grammar += u" );\n"_s;
        if (!setGrammar(grammar.toUtf8()) || m_sphinx->ps_set_search(m_ps, "word") < 0 || m_sphinx->ps_start_utt(m_ps) < 0) {
            fail(listening, false);
            return;
        }
        m_listening = listening;
        m_heardSpeech = false;
        m_best.clear();
    }

    void feed(quint64 listening, const QByteArray &pcm)
    {
        if (listening != m_listening || m_listening == 0)
            return;
        const auto *samples = reinterpret_cast<const int16 *>(pcm.constData());
        if (m_sphinx->ps_process_raw(m_ps, samples, size_t(pcm.size() / 2), FALSE, FALSE) < 0) {
            endUtterance();
            fail(listening, false);
            return;
        }
        const QString best = hypothesis();
        if (!best.isEmpty() && best != m_best) {
            m_best = best;
            post(listening, best, false);
        }
        const bool inSpeech = m_sphinx->ps_get_in_speech(m_ps) != 0;
        if (m_heardSpeech && !inSpeech) {
            m_sphinx->ps_end_utt(m_ps);
            m_listening = 0;
            post(listening, hypothesis(), true);
            return;
        }
        m_heardSpeech = m_heardSpeech || inSpeech;
    }

    void cancel(quint64 listening)
    {
        if (listening == m_listening)
            endUtterance();
    }

private:
    // Loads the model once; false when it cannot be loaded (then never tried again).
    bool load()
    {
        if (m_ps || m_loadFailed)
            return m_ps != nullptr;
        QElapsedTimer timer;
        timer.start();
        m_sphinx = Sphinx::get();
        const QString dictionary = m_sphinx ? writeDictionary() : QString();
        if (!dictionary.isEmpty()) {
            const QByteArray hmm = QFile::encodeName(m_model.acousticModel);
            const QByteArray dict = QFile::encodeName(dictionary);
            cmd_ln_t *config = m_sphinx->cmd_ln_init(nullptr, m_sphinx->ps_args(), TRUE, "-hmm", hmm.constData(), "-dict",
                                                     dict.constData(), "-logfn", "/dev/null", nullptr);
            if (config) {
                m_ps = m_sphinx->ps_init(config);
                m_sphinx->cmd_ln_free_r(config); // the decoder keeps its own reference
            }
        }
        m_loadFailed = m_ps == nullptr;
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        QMetaObject::invokeMethod(
            m_owner, [owner = m_owner, ok = !m_loadFailed, ms] { emit owner->modelLoaded(ok, ms); }, Qt::QueuedConnection);
        return m_ps != nullptr;
    }

    // Writes the pronunciations of the vocabulary (with its compounds) to a small
    // dictionary file and returns its path; fills m_known. Empty on failure.
    QString writeDictionary()
    {
        QSet<QString> wanted;
        QStringList words;
        for (const QString &entry : std::as_const(m_vocabulary)) {
            const QString word = entry.trimmed().toLower();
            if (word.isEmpty() || word.contains(u' ') || words.contains(word))
                continue;
            words.append(word);
            wanted.insert(word);
            for (qsizetype cut = 2; cut + 2 <= word.size(); ++cut) {
                wanted.insert(word.left(cut));
                wanted.insert(word.mid(cut));
            }
        }
        QFile source(m_model.dictionary);
        if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        QHash<QString, QStringList> pronunciations; // word -> its phone strings
        while (!source.atEnd()) {
            const QString line = QString::fromUtf8(source.readLine()).trimmed();
            const qsizetype space = line.indexOf(u' ');
            if (space <= 0)
                continue;
            const QString word = baseWord(QStringView(line).left(space));
            if (wanted.contains(word))
                pronunciations[word].append(line.mid(space + 1).trimmed());
        }

        QByteArray text;
        m_known.clear();
        for (const QString &word : std::as_const(words)) {
            QStringList phones = pronunciations.value(word);
            if (phones.isEmpty()) {
                // Halves tried from the middle outwards: "play|time" before "playt|ime".
                const qsizetype middle = word.size() / 2;
                for (qsizetype d = 0; d <= middle && phones.isEmpty(); ++d) {
                    for (const qsizetype cut : {middle - d, middle + d}) {
                        if (cut < 2 || cut + 2 > word.size() || !phones.isEmpty())
                            continue;
                        const QStringList head = pronunciations.value(word.left(cut));
                        const QStringList tail = pronunciations.value(word.mid(cut));
                        if (!head.isEmpty() && !tail.isEmpty())
                            phones.append(head.first() + u' ' + tail.first());
                    }
                }
            }
            for (qsizetype i = 0; i < phones.size(); ++i) {
                const QString entry = i == 0 ? word : word + u'(' + QString::number(i + 1) + u')';
                text += (entry + u' ' + phones[i] + u'\n').toUtf8();
            }
            if (!phones.isEmpty())
                m_known.append(word);
        }
        if (!m_folder.isValid())
            return {};
        const QString path = m_folder.filePath(u"vocabulary.dict"_s);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
            return {};
        return path;
    }

    // Makes the "word" search from a JSGF grammar. This PocketSphinx's ps_set_jsgf_string()
    // never frees the grammar it parses (kilobytes lost at every listening), so the steps
    // are taken here and every piece is freed.
    bool setGrammar(const QByteArray &jsgf)
    {
        jsgf_t *parsed = m_sphinx->jsgf_parse_string(jsgf.constData(), nullptr);
        if (!parsed)
            return false;
        fsg_model_t *fsg = nullptr;
        if (jsgf_rule_t *rule = m_sphinx->jsgf_get_public_rule(parsed))
            fsg = m_sphinx->jsgf_build_fsg(parsed, rule, m_sphinx->ps_get_logmath(m_ps),
                                           float32(m_sphinx->cmd_ln_float_r(m_sphinx->ps_get_config(m_ps), "-lw")));
        m_sphinx->jsgf_grammar_free(parsed);
        if (!fsg)
            return false;
        const bool set = m_sphinx->ps_set_fsg(m_ps, "word", fsg) >= 0; // the search keeps its own reference
        m_sphinx->fsg_model_free(fsg);
        return set;
    }

    QString hypothesis() const
    {
        int32 score = 0;
        const char *text = m_sphinx->ps_get_hyp(m_ps, &score);
        return text ? QString::fromUtf8(text) : QString();
    }

    void endUtterance()
    {
        if (m_listening != 0 && m_ps)
            m_sphinx->ps_end_utt(m_ps);
        m_listening = 0;
    }

    void post(quint64 listening, const QString &text, bool final)
    {
        QMetaObject::invokeMethod(
            m_owner, [owner = m_owner, listening, text, final] { emit owner->heard(listening, text, final); },
            Qt::QueuedConnection);
    }

    void fail(quint64 listening, bool unavailable)
    {
        QMetaObject::invokeMethod(
            m_owner, [owner = m_owner, listening, unavailable] { emit owner->failed(listening, unavailable); },
            Qt::QueuedConnection);
    }

    QStringList m_vocabulary;
    Model m_model;
    PocketSphinxRecognizer *m_owner;
    QTemporaryDir m_folder;
    QStringList m_known; // vocabulary words with a pronunciation, in vocabulary order
    const Sphinx *m_sphinx = nullptr; // set as the model loads
    ps_decoder_t *m_ps = nullptr;
    bool m_loadFailed = false;
    quint64 m_listening = 0; // the listening the running utterance belongs to; 0: none
    bool m_heardSpeech = false;
    QString m_best;
};

PocketSphinxRecognizer::PocketSphinxRecognizer(QStringList vocabulary, Model model, QObject *parent)
    : WordRecognizer(parent)
    , m_vocabulary(std::move(vocabulary))
    , m_model(std::move(model))
{
    m_thread.setObjectName(u"word recogniser"_s);
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    m_decoder = std::make_unique<Decoder>(m_vocabulary, m_model, this);
    m_thread.start();
}

PocketSphinxRecognizer::~PocketSphinxRecognizer()
{
    m_thread.quit();
    m_thread.wait();
    delete m_context;
}

bool PocketSphinxRecognizer::isAvailable() const
{
    return QFileInfo::exists(m_model.acousticModel + u"/mdef"_s) && QFileInfo::exists(m_model.dictionary);
}

void PocketSphinxRecognizer::startListening(quint64 listening, const QString &target)
{
    QMetaObject::invokeMethod(m_context, [d = m_decoder.get(), listening, target] { d->begin(listening, target); },
                              Qt::QueuedConnection);
}

void PocketSphinxRecognizer::feed(quint64 listening, const QByteArray &pcm)
{
    QMetaObject::invokeMethod(m_context, [d = m_decoder.get(), listening, pcm] { d->feed(listening, pcm); },
                              Qt::QueuedConnection);
}

void PocketSphinxRecognizer::cancel(quint64 listening)
{
    QMetaObject::invokeMethod(m_context, [d = m_decoder.get(), listening] { d->cancel(listening); },
                              Qt::QueuedConnection);
}
