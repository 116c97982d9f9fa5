#include "gui/translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QSet>
#include <QSpinBox>
#include <QTranslator>
#include <QVariant>
#include <QWidget>
#include <memory>

#include "base/text_catalogue.h"

namespace skycrier::gui {
namespace {

constexpr const char* kContext = "SkyCrier";
// Where a control keeps the program's own words of what it shows.
constexpr const char* kOwnCaption = "ownCaption";
constexpr const char* kOwnTitle = "ownTitle";
constexpr const char* kOwnHint = "ownHint";
constexpr const char* kOwnPrefix = "ownPrefix";
constexpr const char* kOwnSuffix = "ownSuffix";
constexpr const char* kOwnSpecialValue = "ownSpecialValue";
constexpr const char* kOwnPlaceholder = "ownPlaceholder";
constexpr const char* kOwnItems = "ownItems";
constexpr const char* kCaptionIsData = "captionIsData";
constexpr const char* kHintIsData = "hintIsData";

struct Catalogue {
    Language language = Language::English;
    std::unique_ptr<QTranslator> translator;
    // Qt's own texts: the file dialog's, the message boxes' buttons.
    std::unique_ptr<QTranslator> qtTexts;
    QSet<QString> untranslated;
};

Catalogue& catalogue() {
    static Catalogue c;
    return c;
}

std::optional<std::string> entry(const std::string& source) {
    const QTranslator* t = catalogue().translator.get();
    if (!t) return std::nullopt;
    const QString found = t->translate(kContext, source.c_str());
    if (found.isNull()) return std::nullopt;
    return found.toStdString();
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
        spin->setSpecialValueText(shown(ownWords(w, kOwnSpecialValue, spin->specialValueText()).toStdString()));
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
    if (c.qtTexts) QCoreApplication::removeTranslator(c.qtTexts.get());
    c.qtTexts = std::make_unique<QTranslator>();
    if (language != Language::English &&
        c.qtTexts->load(QStringLiteral("qtbase_") + languageCode(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(c.qtTexts.get());
    else
        c.qtTexts.reset();
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
    std::vector<std::string> missed;
    const QString translated = QString::fromStdString(translateText(text, entry, &missed));
    for (const std::string& part : missed) catalogue().untranslated.insert(QString::fromStdString(part));
    return translated;
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
