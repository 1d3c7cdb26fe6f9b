#pragma once

// Helpers of the site dialog tests: finding controls by name, typing, a file chooser that
// answers at once and a recorder that records what it is asked.
#include "ModalScript.h"
#include "interface/Translator.h"
#include "navpoints/FileChooser.h"
#include "navpoints/RecorderSites.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace korlink::test {

template <typename Control = QPushButton> Control* Named(QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

// Replaces a field's text the way typing does (so that it counts as an edit).
inline void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

// The row of a navpoint list that shows this id.
inline QTreeWidgetItem* RowWithId(const QTreeWidget* list, int id) {
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->text(0) == QString::number(id))
            return list->topLevelItem(row);
    }
    ADD_FAILURE() << "no row for id " << id;
    return nullptr;
}

inline const CTranslator& English() {
    static const CTranslator english = [] {
        CTranslator translator(DataDirectory());
        translator.Apply(0);
        return translator;
    }();
    return english;
}

// The texts of a list's rows, column by column.
inline std::vector<QStringList> Rows(const QTreeWidget* list) {
    std::vector<QStringList> rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < list->columnCount(); ++column)
            texts << list->topLevelItem(row)->text(column);
        rows.push_back(texts);
    }
    return rows;
}

// A file chooser that answers `path` and remembers what it was asked.
struct ChooserStub {
    QString path;
    std::vector<FileRequest> asked;

    FileChooser Chooser() {
        return [this](QWidget*, const FileRequest& request) {
            asked.push_back(request);
            return path;
        };
    }
};

// A recorder that records each request and answers with the next planned status (0 when none
// is planned).
class RecordingRecorder : public RecorderSites {
public:
    std::vector<std::string> calls;
    std::vector<std::uint32_t> answers;
    SiteDatabase site;

    std::uint32_t SendNavpoints(const SiteDatabase& database) override {
        return Answer("navpoints " + std::to_string(database.NavpointCount()) + " " +
                      database.Name());
    }
    std::uint32_t SendTask(int slot, const TaskIds& ids) override {
        std::string call = "task " + std::to_string(slot) + ":";
        for (const auto id : ids)
            call += " " + std::to_string(id);
        return Answer(call);
    }
    std::uint32_t DeclareTask(int slot) override {
        return Answer("declare " + std::to_string(slot));
    }
    std::uint32_t ReadSite(SiteDatabase& into) override {
        const auto path = into.Path();
        into = site;
        into.SetPath(path);
        return Answer("read");
    }

private:
    std::uint32_t Answer(std::string call) {
        const std::uint32_t status = calls.size() < answers.size() ? answers[calls.size()] : 0;
        calls.push_back(std::move(call));
        return status;
    }
};

} // namespace korlink::test
