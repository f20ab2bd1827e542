#include "ui/help_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace tnx::ui {
namespace {

constexpr qint64 kMaxFileBytes = 1 << 20;
const QRegularExpression kTopicHeader(R"(^===\s+(\d{1,5})\s+(\S.*)$)");
const QRegularExpression kLink(R"(\[\[(\d{1,5})\]\])");
const QRegularExpression kBold(R"(\*\*(.+?)\*\*)");

QString LineError(int line, const QString& what) { return "строка " + QString::number(line) + ": " + what; }

}  // namespace

std::optional<THelpFile> THelpFile::Parse(const QString& text, QString& error) {
    THelpFile help;
    QString group;
    QString* body = &help.intro_;
    const QStringList lines = text.split(QRegularExpression("\r\n|\n|\r"));
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int lineNumber = i + 1;
        if (line.startsWith('#')) continue;
        if (line.startsWith("===")) {
            const auto match = kTopicHeader.match(line.trimmed());
            if (!match.hasMatch()) {
                error = LineError(lineNumber, "ожидается «=== номер заголовок»");
                return std::nullopt;
            }
            const int number = match.captured(1).toInt();
            if (number == kContents || help.Find(number) != nullptr) {
                error = LineError(lineNumber, "раздел " + match.captured(1) + " уже есть или номер неверен");
                return std::nullopt;
            }
            help.topics_.push_back({number, match.captured(2).trimmed(), group, {}});
            body = &help.topics_.back().BodyText;
            continue;
        }
        if (line.startsWith("==")) {
            group = line.mid(2).trimmed();
            if (group.isEmpty()) {
                error = LineError(lineNumber, "у группы разделов нет заголовка");
                return std::nullopt;
            }
            body = nullptr;  // a group holds topics only
            continue;
        }
        if (line.startsWith('=')) {
            if (!help.title_.isEmpty() || !help.topics_.empty()) {
                error = LineError(lineNumber, "заголовок справки может быть только один, в начале");
                return std::nullopt;
            }
            help.title_ = line.mid(1).trimmed();
            continue;
        }
        if (body == nullptr) {
            if (line.trimmed().isEmpty()) continue;
            error = LineError(lineNumber, "после заголовка группы ожидается раздел «=== номер заголовок»");
            return std::nullopt;
        }
        *body += line + '\n';
    }
    if (help.topics_.empty()) {
        error = "в справке нет ни одного раздела";
        return std::nullopt;
    }
    if (help.title_.isEmpty()) help.title_ = "Справка";
    for (const THelpTopic& t : help.topics_) {
        auto links = kLink.globalMatch(t.BodyText);
        while (links.hasNext()) {
            const auto link = links.next();
            if (help.Find(link.captured(1).toInt()) == nullptr) {
                error =
                    "раздел " + QString::number(t.Number) + " ссылается на несуществующий раздел " + link.captured(1);
                return std::nullopt;
            }
        }
    }
    return help;
}

std::optional<THelpFile> THelpFile::Load(const std::filesystem::path& path, QString& error) {
    const QString name = QString::fromStdString(path.string());
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "не найден файл справки " + name;
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        error = "файл справки " + name + " слишком велик";
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    if (decoder.hasError()) {
        error = "файл справки " + name + " не в кодировке UTF-8";
        return std::nullopt;
    }
    auto help = Parse(text, error);
    if (!help) error = "файл справки " + name + ", " + error;
    return help;
}

const THelpTopic* THelpFile::Find(int number) const {
    for (const THelpTopic& t : topics_)
        if (t.Number == number) return &t;
    return nullptr;
}

QString THelpFile::AnchorName(int number) { return "t" + QString::number(number); }

QString THelpFile::BodyHtml(const QString& body, TLinks links) const {
    const auto formatted = [&](const QString& text) {
        QString html = text.toHtmlEscaped();
        html.replace(kBold, "<b>\\1</b>");
        QString result;
        qsizetype from = 0;
        auto matches = kLink.globalMatch(html);
        while (matches.hasNext()) {
            const auto m = matches.next();
            result += html.mid(from, m.capturedStart() - from);
            const THelpTopic* target = Find(m.captured(1).toInt());
            const QString title = target != nullptr ? target->Title.toHtmlEscaped() : m.captured(0);
            if (links == TLinks::Anchors && target != nullptr)
                result += "<a href=\"#" + AnchorName(target->Number) + "\">" + title + "</a>";
            else if (title.contains(QString::fromUtf8("«")))
                result += title;  // «Кнопка «Запомнить»» would nest the quotes
            else
                result += "«" + title + "»";
            from = m.capturedEnd();
        }
        return result + html.mid(from);
    };

    QString html;
    QStringList paragraph;
    QStringList items;
    const auto flush = [&] {
        if (!paragraph.isEmpty()) html += "<p>" + formatted(paragraph.join(' ')) + "</p>\n";
        if (!items.isEmpty()) {
            html += "<ul>\n";
            for (const QString& item : items) html += "<li>" + formatted(item) + "</li>\n";
            html += "</ul>\n";
        }
        paragraph.clear();
        items.clear();
    };
    for (const QString& raw : body.split('\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            flush();
        } else if (raw.startsWith("- ")) {
            if (!paragraph.isEmpty()) flush();
            items << line.mid(2);
        } else if (!items.isEmpty() && raw.startsWith("  ")) {
            items.back() += ' ' + line;  // an item continued on the next line
        } else {
            if (!items.isEmpty()) flush();
            paragraph << line;
        }
    }
    flush();
    return html;
}

QString THelpFile::DocumentHtml() const {
    QString html = "<a name=\"" + AnchorName(kContents) + "\"></a><h1>" + title_.toHtmlEscaped() + "</h1>\n";
    html += BodyHtml(intro_, TLinks::Anchors);
    html += "<h2>Содержание</h2>\n";
    QString group;
    bool listOpen = false;
    for (const THelpTopic& t : topics_) {
        if (!listOpen || t.Group != group) {
            if (listOpen) html += "</ul>\n";
            if (!t.Group.isEmpty()) html += "<p><b>" + t.Group.toHtmlEscaped() + "</b></p>\n";
            html += "<ul>\n";
            listOpen = true;
            group = t.Group;
        }
        html += "<li><a href=\"#" + AnchorName(t.Number) + "\">" + t.Title.toHtmlEscaped() + "</a></li>\n";
    }
    if (listOpen) html += "</ul>\n";
    for (const THelpTopic& t : topics_) {
        html += "<hr/>\n<a name=\"" + AnchorName(t.Number) + "\"></a><h2>" + t.Title.toHtmlEscaped() + "</h2>\n";
        html += BodyHtml(t.BodyText, TLinks::Anchors);
        html += "<p><a href=\"#" + AnchorName(kContents) + "\">К содержанию</a></p>\n";
    }
    return html;
}

QString THelpFile::TopicHtml(int number) const {
    const THelpTopic* t = Find(number);
    if (t == nullptr) return {};
    return "<h3>" + t->Title.toHtmlEscaped() + "</h3>\n" + BodyHtml(t->BodyText, TLinks::PlainText);
}

}  // namespace tnx::ui
