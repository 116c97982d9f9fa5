#include "gui/translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QSpinBox>
#include <QTranslator>
#include <QVariant>
#include <QWidget>
#include <memory>

namespace skycrier::gui {
namespace {

constexpr const char* kContext = "SkyCrier";
// Where a control keeps the program's own words of what it shows.
constexpr const char* kOwnCaption = "ownCaption";
constexpr const char* kOwnTitle = "ownTitle";
constexpr const char* kOwnHint = "ownHint";
constexpr const char* kOwnPrefix = "ownPrefix";
constexpr const char* kOwnSuffix = "ownSuffix";
constexpr const char* kOwnPlaceholder = "ownPlaceholder";
constexpr const char* kOwnItems = "ownItems";
constexpr const char* kCaptionIsData = "captionIsData";
constexpr const char* kHintIsData = "hintIsData";

struct Catalogue {
    Language language = Language::English;
    std::unique_ptr<QTranslator> translator;
    QSet<QString> untranslated;
};

Catalogue& catalogue() {
    static Catalogue c;
    return c;
}

std::optional<QString> entry(const QString& text) {
    const QTranslator* t = catalogue().translator.get();
    if (!t) return std::nullopt;
    const QString found = t->translate(kContext, text.toUtf8().constData());
    if (found.isNull()) return std::nullopt;
    return found;
}

bool hasLetter(const QString& text) {
    for (const QChar c : text)
        if (c.isLetter()) return true;
    return false;
}

// A part of a text: whole, else its longest label and, after "=", its value.
std::optional<QString> translatePart(const QString& part) {
    if (auto whole = entry(part)) return whole;
    for (qsizetype cut = part.size() - 1; cut > 0; --cut) {
        if (!QStringLiteral(" (=:").contains(part[cut])) continue;
        const auto label = entry(part.left(cut));
        if (!label) continue;
        QString rest = part.mid(cut);
        if (rest.startsWith('=')) {
            const qsizetype separator = rest.size() > 1 && rest[1] == ' ' ? 2 : 1;
            if (const auto value = entry(rest.mid(separator))) rest = rest.left(separator) + *value;
        }
        return *label + rest;
    }
    return std::nullopt;
}

// A path, a key with its value, a call sign, a quoted line: a part that is no words.
bool isData(const QString& part) {
    if (part.startsWith('[') || part.startsWith('"')) return true;
    if (part.contains(' ')) return false;
    for (const QChar c : part)
        if (c.isDigit() || QStringLiteral("/\\.=_@").contains(c)) return true;
    return false;
}

// Kept under its property the first time it is seen: the program's own words.
QString ownWords(QObject* control, const char* property, const QString& current) {
    const QVariant kept = control->property(property);
    if (kept.isValid()) return kept.toString();
    control->setProperty(property, current);
    return current;
}

// What the control shows as its caption, and how it is changed.
QString captionOf(QObject* o) {
    if (auto* label = qobject_cast<QLabel*>(o)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(o)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(o)) return group->title();
    if (auto* line = qobject_cast<QLineEdit*>(o)) return line->text();
    if (auto* action = qobject_cast<QAction*>(o)) return action->text();
    return {};
}

void setCaption(QObject* o, const QString& text) {
    if (captionOf(o) == text) return;
    if (auto* label = qobject_cast<QLabel*>(o)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(o)) button->setText(text);
    if (auto* group = qobject_cast<QGroupBox*>(o)) group->setTitle(text);
    if (auto* line = qobject_cast<QLineEdit*>(o)) line->setText(text);
    if (auto* action = qobject_cast<QAction*>(o)) action->setText(text);
}

// Line edits hold what the user typed or the program read: only their own texts are translated.
void translateCaption(QObject* o) {
    if (o->property(kCaptionIsData).toBool()) return;
    const bool own = o->property(kOwnCaption).isValid();
    if (!own && (qobject_cast<QLineEdit*>(o) || captionOf(o).isEmpty())) return;
    setCaption(o, shown(ownWords(o, kOwnCaption, captionOf(o)).toStdString()));
}

void translateWidget(QWidget* w) {
    if (w->isWindow() && !w->windowTitle().isEmpty())
        w->setWindowTitle(shown(ownWords(w, kOwnTitle, w->windowTitle()).toStdString()));
    translateCaption(w);
    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        spin->setPrefix(shown(ownWords(w, kOwnPrefix, spin->prefix()).toStdString()));
        spin->setSuffix(shown(ownWords(w, kOwnSuffix, spin->suffix()).toStdString()));
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->setPlaceholderText(shown(ownWords(w, kOwnPlaceholder, line->placeholderText()).toStdString()));
    } else if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable()) {
        QStringList current;
        for (int i = 0; i < combo->count(); ++i) current << combo->itemText(i);
        const QStringList own = ownWords(w, kOwnItems, current.join('\n')).split('\n');
        for (int i = 0; i < combo->count() && i < own.size(); ++i) combo->setItemText(i, shown(own[i].toStdString()));
    }
}

void translateHint(QObject* control, const QString& hint, const std::function<void(const QString&)>& set) {
    const bool own = control->property(kOwnHint).isValid();
    if ((!own && hint.isEmpty()) || control->property(kHintIsData).toBool()) return;
    set(shown(ownWords(control, kOwnHint, hint).toStdString()));
}

}  // namespace

const char* languageCode(Language language) { return language == Language::Spanish ? "es" : "en"; }

std::optional<Language> languageOfCode(std::string_view code) {
    if (code == "en") return Language::English;
    if (code == "es") return Language::Spanish;
    return std::nullopt;
}

Language localeLanguage(const std::function<const char*(const char*)>& environment) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (!value || !*value) continue;
        // LANGUAGE is a list ("es_ES:en"): its first language decides.
        const std::string_view locale(value);
        return locale.starts_with("es") ? Language::Spanish : Language::English;
    }
    return Language::English;
}

void useLanguage(Language language) {
    Catalogue& c = catalogue();
    if (c.translator) QCoreApplication::removeTranslator(c.translator.get());
    c.translator = std::make_unique<QTranslator>();
    c.language = language;
    c.untranslated.clear();
    if (c.translator->load(QStringLiteral(":/i18n/skycrier_") + languageCode(language)))
        QCoreApplication::installTranslator(c.translator.get());
    else
        c.translator.reset();
}

Language currentLanguage() { return catalogue().language; }

QString shown(const char* text) { return shown(std::string(text)); }

QString shown(const std::string& text) {
    const QString whole = QString::fromStdString(text);
    qsizetype begin = 0, end = whole.size();
    while (begin < end && whole[begin].isSpace()) ++begin;
    while (end > begin && whole[end - 1].isSpace()) --end;
    const QString core = whole.mid(begin, end - begin);
    if (!hasLetter(core)) return whole;
    QString translated;
    if (const auto entire = entry(core)) {
        translated = *entire;
    } else if (core.contains('\n')) {
        // A title and its reason: line by line.
        QStringList lines = core.split('\n');
        for (QString& line : lines) line = shown(line.toStdString());
        translated = lines.join('\n');
    } else {
        // "Fehler: COM-Port /dev/ttyS0 (…): kept as configured": each part on its own.
        QStringList parts = core.split(QStringLiteral(": "));
        for (QString& part : parts) {
            if (!hasLetter(part)) continue;
            if (const auto t = translatePart(part))
                part = *t;
            else if (!isData(part))
                catalogue().untranslated.insert(part);
        }
        translated = parts.join(QStringLiteral(": "));
    }
    return whole.left(begin) + translated + whole.mid(end);
}

std::vector<std::string> shownEach(const std::vector<std::string>& texts) {
    std::vector<std::string> each;
    for (const std::string& text : texts) each.push_back(shown(text).toStdString());
    return each;
}

void translateTexts(QObject* window) {
    QList<QObject*> all = window->findChildren<QObject*>();
    all.prepend(window);
    for (QObject* o : all) {
        if (auto* w = qobject_cast<QWidget*>(o)) {
            translateWidget(w);
            translateHint(w, w->toolTip(), [w](const QString& t) { w->setToolTip(t); });
        } else if (auto* action = qobject_cast<QAction*>(o); action && !action->isSeparator()) {
            translateCaption(action);
            translateHint(action, action->toolTip() == action->text() ? QString() : action->toolTip(),
                          [action](const QString& t) { action->setToolTip(t); });
        }
    }
}

void showOwnText(QObject* control, const std::string& own) {
    control->setProperty(kOwnCaption, QString::fromStdString(own));
    setCaption(control, shown(own));
}

void showOwnHint(QWidget* control, const std::string& own) {
    control->setProperty(kOwnHint, QString::fromStdString(own));
    const QString hint = shown(own);
    if (control->toolTip() != hint) control->setToolTip(hint);
}

void showOwnTitle(QWidget* window, const std::string& own) {
    window->setProperty(kOwnTitle, QString::fromStdString(own));
    const QString title = shown(own);
    if (window->windowTitle() != title) window->setWindowTitle(title);
}

void showsData(QObject* control) { control->setProperty(kCaptionIsData, true); }

void hintShowsData(QObject* control) { control->setProperty(kHintIsData, true); }

QStringList untranslatedTexts() {
    QStringList list = catalogue().untranslated.values();
    list.sort();
    return list;
}

}  // namespace skycrier::gui
