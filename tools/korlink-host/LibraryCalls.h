#pragma once

#include "korlink/korlink.h"

#include <QFunctionPointer>
#include <QLibrary>
#include <QList>
#include <QString>
#include <QStringList>

// What the exports are called with besides the connection descriptor: the folder that flights
// are written to (or site databases kept in), a file for the file exports, and the numbers of
// a log, a task and its navpoints.
struct CallArguments {
    QString folder;
    QString file;
    int number = 1; // log number (KORGetLog), task number (KORSetTask, KORDeclareTask)
    int day = 1;    // KORGetSingleLog
    int month = 1;
    QList<int> ids{1, 2, 3}; // KORSetTask
};

// The library's 23 exports, each called with the arguments its declaration names.
class LibraryCalls {
public:
    explicit LibraryCalls(const QString& path);

    bool Load(QString& error);
    // Whether `name` is one of the exports this host can call.
    static bool Knows(const QString& name);
    // By ordinal.
    static QStringList Names();
    // Whether the export writes into or reads from a folder.
    static bool TakesFolder(const QString& name);

    // Calls an export and describes what it returned.
    QString Call(const QString& name, const ConnectionDescriptor& descriptor,
                 const CallArguments& arguments);

private:
    QLibrary library_;
};
