// The program's help: one UTF-8 text file in Russian with one section per topic number.
//
//   # a comment line
//   = Title of the help
//   Text of the contents page.
//   == A group of topics (a heading in the contents)
//   === 2031 Title of topic 2031
//   Paragraphs, separated by blank lines. Lines starting "- " form a list.
//   **bold**, and [[2034]] links to topic 2034 by its title.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

namespace tnx::ui {

struct THelpTopic {
    int Number = 0;
    QString Title;
    QString Group;     // the group it stands in; may be empty
    QString BodyText;  // the marked-up source of its body
};

class THelpFile {
public:
    // The topic number that stands for the contents.
    static constexpr int kContents = 0;

    // nullopt and a message naming the line when the text is malformed.
    static std::optional<THelpFile> Parse(const QString& text, QString& error);
    static std::optional<THelpFile> Load(const std::filesystem::path& path, QString& error);

    const QString& Title() const { return title_; }
    const std::vector<THelpTopic>& Topics() const { return topics_; }
    const THelpTopic* Find(int number) const;

    // The whole help as one page: contents with links, then every topic under an
    // anchor named by AnchorName.
    QString DocumentHtml() const;
    // One topic for a pop-up: its title and body, links shown as plain titles.
    // Empty when there is no such topic.
    QString TopicHtml(int number) const;

    static QString AnchorName(int number);

private:
    enum class TLinks { Anchors, PlainText };
    QString BodyHtml(const QString& body, TLinks links) const;

    QString title_;
    QString intro_;
    std::vector<THelpTopic> topics_;
};

}  // namespace tnx::ui
