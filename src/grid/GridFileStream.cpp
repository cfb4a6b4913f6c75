// GridFileStream.cpp - the streaming reader of a sheet document: a SAX handler that builds
// every value outside "cells" and hands each cell entry to the caller.
#include "grid/GridFileStream.h"

#include <vector>

#include "grid/GridFileFields.h"
#include "grid/GridFileFormat.h"

namespace ovgrid::sheetfile {

namespace {

class SheetSax : public nlohmann::json_sax<json> {
  public:
    explicit SheetSax(const std::function<void(const json&)>& onCell) : onCell_(onCell) {}

    json& document() { return root_; }
    const std::string& error() const { return error_; }

    bool null() override { return add(nullptr); }
    bool boolean(bool v) override { return add(v); }
    bool number_integer(number_integer_t v) override { return add(v); }
    bool number_unsigned(number_unsigned_t v) override { return add(v); }
    bool number_float(number_float_t v, const string_t&) override { return add(v); }
    bool string(string_t& v) override { return add(std::move(v)); }
    bool binary(binary_t&) override { return refuse("binary data"); }
    bool key(string_t& k) override {
        key_ = std::move(k);
        return true;
    }
    bool start_object(std::size_t) override { return open(json::object()); }
    bool start_array(std::size_t) override {
        bool cells = stack_.size() == 1 && key_ == keys::cells;
        if (!open(json::array())) {
            return false;
        }
        if (cells) {
            cells_ = stack_.back();
        }
        return true;
    }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception&) override {
        error_ = "the file is not valid JSON (broken or truncated near byte " +
                 std::to_string(position) + ")";
        return false;
    }

  private:
    bool refuse(const std::string& why) {
        error_ = why;
        return false;
    }
    json* place(json&& v) {
        if (stack_.empty()) {
            root_ = std::move(v);
            return &root_;
        }
        json& top = *stack_.back();
        if (top.is_object()) {
            json& slot = top[key_];
            slot = std::move(v);
            return &slot;
        }
        top.push_back(std::move(v));
        return &top.back();
    }
    bool add(json&& v) {
        if (stack_.empty()) {
            return refuse("the file is not a sheet document");
        }
        if (stack_.back() == cells_) {
            return refuse("a cell entry is not a list");
        }
        place(std::move(v));
        return true;
    }
    bool open(json&& v) {
        if (stack_.size() >= kMaxDepth) {
            return refuse("the document is nested too deeply");
        }
        if (stack_.empty() && !v.is_object()) {
            return refuse("the file is not a sheet document");
        }
        stack_.push_back(place(std::move(v)));
        return true;
    }
    bool close() {
        json* done = stack_.back();
        stack_.pop_back();
        if (!stack_.empty() && stack_.back() == cells_ && done != cells_) {
            try {
                onCell_(*done);
            } catch (const FormatError& e) {
                return refuse(e.message);
            } catch (const std::exception& e) {
                return refuse(e.what());
            }
            cells_->get_ref<json::array_t&>().pop_back();
        }
        return true;
    }

    const std::function<void(const json&)>& onCell_;
    json root_;
    std::vector<json*> stack_;
    std::string key_;
    json* cells_ = nullptr;
    std::string error_;
};

}  // namespace

bool streamSheetDocument(std::string_view bytes, const std::function<void(const json&)>& onCell,
                         json& document, std::string& error) {
    SheetSax sax(onCell);
    bool parsed = false;
    try {
        parsed = json::sax_parse(bytes.begin(), bytes.end(), &sax);
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    if (!parsed) {
        error = sax.error().empty() ? "the file is not valid JSON" : sax.error();
        return false;
    }
    document = std::move(sax.document());
    return true;
}

}  // namespace ovgrid::sheetfile
