// ProfTableTsv.h - a profile table as tab-separated text, for export and import on the command
// line. The first line is the header ("SysName", "I/O", the languages, the dimensions), each
// further line one section. Fields use the table-file escapes (\t, \n, \r, \\), so any text
// survives the round trip; a line of one empty field is written "\e".
#pragma once

#include "core/Tvx_String.h"
#include "seclib/Tvx_ProfValuesTable.h"

// Header and rows of the table, one line each, every line ending in "\n".
Tvx_String profTableToTsv(const Tvx_ProfValuesTable& table);

// Fills the column names and rows of `table` from the text, after checking it: the header
// starts with "SysName" and "I/O" and holds every language column; every row has one field per
// column, a unique non-empty system name, the flag "0" or "1" and numbers (or nothing) as
// dimension values. On a problem `error` says where and what, and `table` is unchanged.
bool profTableFromTsv(const Tvx_String& text, Tvx_ProfValuesTable& table, Tvx_String& error);

// True for a shape a profile table may carry: a built-in shape number 1 to 24 or a drawing
// file name ending in ".dwg".
bool isValidProfileShape(const Tvx_String& shape);
