#include "gui/dialog_template.h"

#include <QFile>
#include <QHash>

namespace tessaline::gui {

namespace {
constexpr int kFieldCount = 7; // id, kind, text, x, y, width, height; the style is optional
constexpr QStringView kDialogKind = u"dialog";
} // namespace

int TemplateControl::number(const QString& name) const {
    const QString prefix = name + '=';
    for (const QString& word : style) {
        if (word.startsWith(prefix)) return word.mid(prefix.size()).toInt();
    }
    return 0;
}

const TemplateControl* DialogTemplate::control(int id) const {
    for (const TemplateControl& c : controls) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

std::optional<DialogTemplate> ParseDialogTemplate(const QString& text, QString* error) {
    DialogTemplate result;
    bool haveDialog = false;
    int lineNumber = 0;
    for (const QString& line : text.split('\n')) {
        ++lineNumber;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        const QStringList fields = QString(line).remove('\r').split('\t');
        TemplateControl c;
        bool ok = fields.size() >= kFieldCount;
        if (ok) c.id = fields[0].toInt(&ok);
        int* numbers[] = {&c.x, &c.y, &c.width, &c.height};
        for (int i = 0; ok && i < 4; ++i)
            *numbers[i] = fields[3 + i].toInt(&ok);
        if (!ok) {
            if (error) *error = QStringLiteral("line %1: malformed").arg(lineNumber);
            return std::nullopt;
        }
        c.kind = fields[1];
        c.text = fields[2];
        if (fields.size() > kFieldCount)
            c.style = fields[kFieldCount].split(' ', Qt::SkipEmptyParts);
        if (c.kind == kDialogKind) {
            haveDialog = true;
            result.title = c.text;
            result.width = c.width;
            result.height = c.height;
            for (const QString& word : c.style) {
                if (word.startsWith(QStringLiteral("font="))) result.fontFamily = word.mid(5);
            }
            // "font=Tahoma 9": the family, then the size in points as its own word.
            for (const QString& word : c.style) {
                bool number = false;
                const int points = word.toInt(&number);
                if (number && points > 0) {
                    result.fontPoints = points;
                    break;
                }
            }
            continue;
        }
        result.controls.push_back(std::move(c));
    }
    if (!haveDialog) {
        if (error) *error = QStringLiteral("no dialog line");
        return std::nullopt;
    }
    return result;
}

const DialogTemplate& CompiledTemplate(const QString& name) {
    static QHash<QString, DialogTemplate> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        QFile file(QStringLiteral(":/templates/%1.tsv").arg(name));
        DialogTemplate parsed;
        if (file.open(QIODevice::ReadOnly)) {
            if (auto t = ParseDialogTemplate(QString::fromUtf8(file.readAll()))) parsed = *t;
        }
        it = cache.insert(name, parsed);
    }
    return *it;
}

} // namespace tessaline::gui
