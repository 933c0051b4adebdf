#pragma once

#include <QString>

#include <array>

// One topic of the help: the link that opens it, its title, its text and
// its additional information (empty where it has none).
struct HelpTopic {
    const char* link;
    QString title;
    QString text;
    QString information;
};

// The seven topics in the order of the topic list, top to bottom, in the
// program's language.
std::array<HelpTopic, 7> helpTopics();
