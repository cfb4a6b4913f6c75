// CalcPlan.cpp - the per-sheet record of prepared Calc cells and the variables' name lookup.
#include "standards/calc/CalcPlan.h"

#include "base/CaseFolding.h"
#include "core/StringHelpers.h"
#include "standards/calc/WholeWordReplace.h"
#include "standards/variables/OvVarCells.h"

namespace {

// The name as a case-ignoring comparison of names sees it.
std::wstring foldedName(const std::wstring& name) {
    std::wstring out(name);
    for (wchar_t& ch : out) {
        ch = ovbase::toLowerChar(ch);
    }
    return out;
}

}  // namespace

std::shared_ptr<const OvVarNameLookup> buildVarNameLookup(const OvVarCells& cells) {
    auto lookup = std::make_shared<OvVarNameLookup>();
    for (const OvVarCell& cell : cells) {
        const std::wstring& name = cell.name.wstr();
        for (wchar_t ch : name) {
            if (!isWholeWordChar(ch)) {
                return std::make_shared<OvVarNameLookup>();  // not ready
            }
        }
        const int index = static_cast<int>(lookup->coords.size());
        // An empty name replaces nothing; a repeated one only where its first entry is.
        if (!name.empty()) {
            lookup->nameIndex.emplace(name, index);
        }
        lookup->foldedNameIndex.emplace(foldedName(name), index);
        lookup->coords.push_back((getAlfabet(cell.col) + Tvx_String::fromInt(cell.row)).wstr());
    }
    lookup->ready = true;
    return lookup;
}

std::shared_ptr<const OvVarCells> OvCalcPlan::declared() const {
    std::lock_guard lock(mutex_);
    return declared_;
}

void OvCalcPlan::setDeclared(const OvVarCells& cells) {
    auto copy = std::make_shared<OvVarCells>();
    copy->assignVarCells(cells);
    Tvx_StringArray names;
    for (const OvVarCell& cell : cells) {
        names.append(cell.name);
    }
    const bool duplicates = hasDuplicates(names);
    std::lock_guard lock(mutex_);
    declared_ = std::move(copy);
    declaredHasDuplicates_ = duplicates;
}

bool OvCalcPlan::declaredHasDuplicates() const {
    std::lock_guard lock(mutex_);
    return declaredHasDuplicates_;
}

std::vector<OvCalcPlan::VarKey> OvCalcPlan::keysOf(const OvVarCells& cells) {
    std::vector<VarKey> keys;
    keys.reserve(static_cast<std::size_t>(cells.length()));
    for (const OvVarCell& cell : cells) {
        keys.push_back({cell.name.wstr(), cell.col, cell.row, static_cast<int>(cell.valueType)});
    }
    return keys;
}

bool OvCalcPlan::bind(const OvVarCells& cells) {
    std::lock_guard lock(mutex_);
    if (!usable_) {
        return false;
    }
    if (!bound_) {
        vars_ = keysOf(cells);
        lookup_ = buildVarNameLookup(cells);
        bound_ = true;
        return true;
    }
    if (cells.length() != static_cast<int>(vars_.size())) {
        usable_ = false;
        return false;
    }
    for (int i = 0; i < cells.length(); ++i) {
        const OvVarCell& cell = cells[i];
        const VarKey& key = vars_[static_cast<std::size_t>(i)];
        if (cell.name.wstr() != key.name || cell.col != key.col || cell.row != key.row ||
            static_cast<int>(cell.valueType) != key.valueType) {
            usable_ = false;
            return false;
        }
    }
    return true;
}

std::shared_ptr<const OvVarNameLookup> OvCalcPlan::lookup() const {
    std::lock_guard lock(mutex_);
    return lookup_;
}

std::shared_ptr<const OvCalcCellPlan> OvCalcPlan::find(int col, int row,
                                                       const std::wstring& text) const {
    std::lock_guard lock(mutex_);
    const auto found = cells_.find(ovgrid::cellKey(col, row));
    if (found == cells_.end() || found->second->text != text) {
        return nullptr;
    }
    return found->second;
}

void OvCalcPlan::store(int col, int row, std::shared_ptr<const OvCalcCellPlan> entry) {
    std::lock_guard lock(mutex_);
    cells_[ovgrid::cellKey(col, row)] = std::move(entry);
}

std::shared_ptr<const OvPreparedSheet> OvCalcPlan::prepared(const Tvx_StringArray& names,
                                                            const Tvx_StringArray& values) const {
    std::lock_guard lock(mutex_);
    for (const auto& candidate : prepared_) {
        if (candidate->genVarNames == names && candidate->genVarValues == values) {
            return candidate;
        }
    }
    return nullptr;
}

void OvCalcPlan::addPrepared(std::shared_ptr<const OvPreparedSheet> prepared) {
    std::lock_guard lock(mutex_);
    prepared_.insert(prepared_.begin(), std::move(prepared));
    if (prepared_.size() > kMaxPrepared) {
        prepared_.pop_back();
    }
}
