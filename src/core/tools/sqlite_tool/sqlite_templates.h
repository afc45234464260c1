#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "text/language.h"

namespace nakkas {

class Services;

// The texts the SQLite tool writes, one set per language. A template holds holes: "%" and a
// letter, filled by appendFilled; every other character is written as it stands.

// The DatabaseHelper class and the file it is saved as.
// Holes: %p package, %d database name, %t table name, %v version, %s column text.
struct HelperTemplates {
    std::string (*quote)(std::string_view);  // a name inside a string literal
    std::string_view packageLine;
    std::string_view noPackageLine;   // when "Paket Adı:" is empty
    std::string_view defaultVersion;  // when no "Versiyon:" entry is chosen
    std::string_view body;            // everything after the package line
    std::string_view fileFilter;
    std::string_view fileSuffix;
    bool (*write)(Services&, const std::string& path, std::string_view text);
};

// The record command groups and the compile step.
// Holes: %v variable, %x value expression, %c column as typed, %q column inside a string
// literal, %t table name and %k key column name inside a string literal.
struct RecordTemplates {
    std::string (*quote)(std::string_view);
    std::string_view editTextValue, plainValue;  // the value expression of a press

    // Insert: head, put lines, call, clear lines, catch, [notify], end.
    std::string_view insertHead, insertPut, insertCall, insertClear, insertCatch, insertNotify,
        insertEnd;
    // Update: head, put lines, call, [notify], end.
    std::string_view updateHead, updatePut, updateCall, updateNotify, updateEnd;
    // Show: head, column list, query, body lines, end.
    std::string_view showHead, showFirstColumn, showNextColumn, showQuery, showBody, showEnd;
    // Delete: call, [notify], end.
    std::string_view deleteCall, deleteNotify, deleteEnd;

    std::string_view intro;
    std::string_view headings[4];  // in group order: insert, update, show, delete
    std::string_view count;
};

struct SqliteTemplates {
    HelperTemplates helper;
    RecordTemplates records;
};

// The one place where the tool's language is chosen.
const SqliteTemplates& sqliteTemplates(Language language);

struct Hole {
    char key;
    std::string_view value;
};

// Appends the template with each hole replaced by its value. Values are not searched for holes,
// so whatever the user typed goes in as it is.
void appendFilled(std::string& out, std::string_view text, std::initializer_list<Hole> holes);

}  // namespace nakkas
