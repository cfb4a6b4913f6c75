// Tvx_Drawing.h - an in-memory drawing: its general variables, its profiles (the members that
// macros connect) and its placed macros. Every object gets a process-unique id, and every live
// drawing is listed so that an id alone finds its object, as the host database allows.
// Drawings are read from and written to JSON files (format in Tvx_DrawingFile.h).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/Tvx_DbMacro.h"
#include "core/macro/Tvx_GeneralVariables.h"
#include "core/macro/Tvx_MacroParts.h"
#include "host/AcDbObjectId.h"

// A drawing sheet: its name, its paper format ("A3") and the names of the parts drawn on it.
struct Tvx_Sheet {
    Tvx_String name;
    Tvx_String format;
    Tvx_StringArray parts;
};

class Tvx_Drawing {
  public:
    Tvx_Drawing();
    ~Tvx_Drawing();
    Tvx_Drawing(const Tvx_Drawing&) = delete;  // listed by address, and ids must stay unique
    Tvx_Drawing& operator=(const Tvx_Drawing&) = delete;

    // A new id, never handed out before in this process.
    static AcDbObjectId newObjectId();
    // Every drawing alive, in creation order.
    static const std::vector<Tvx_Drawing*>& openDrawings();

    Tvx_GeneralVariables& generalVariables() { return generalVariables_; }
    const Tvx_GeneralVariables& generalVariables() const { return generalVariables_; }

    // Adds a profile of the drawing (gives it a new id when it has none) and returns its id.
    AcDbObjectId addProfile(Tvx_Profile profile);
    const Tvx_Array<Tvx_Profile>& profiles() const { return profiles_; }

    // Places a macro (which may be null) and returns its database object.
    Tvx_DbMacro* addMacro(std::unique_ptr<Tvx_Macro> macro);
    const std::vector<std::unique_ptr<Tvx_DbMacro>>& macros() const { return macros_; }

    // The drawing sheets, in their order.
    Tvx_Array<Tvx_Sheet>& sheets() { return sheets_; }
    const Tvx_Array<Tvx_Sheet>& sheets() const { return sheets_; }

    // Objects of this drawing by id; null when the id is not one of them.
    Tvx_DbMacro* findDbMacro(const AcDbObjectId& id) const;
    Tvx_Profile* findProfile(const AcDbObjectId& id);  // drawing profiles and placed profiles
    // Erases a profile of the drawing itself (not one a macro placed); false when it has none.
    bool eraseProfile(const AcDbObjectId& id);
    Tvx_Cut* findCut(const AcDbObjectId& id, Tvx_Module** owner = nullptr);
    Tvx_BoltPattern* findPattern(const AcDbObjectId& id, Tvx_BoltModule** owner = nullptr);

    // Files. A failure leaves the drawing (or the file) as it was and explains why in `error`.
    bool loadFromFile(const Tvx_String& path, Tvx_String& error);
    bool saveToFile(const Tvx_String& path, Tvx_String& error) const;
    bool loadFromJson(std::string_view text, Tvx_String& error);
    std::string toJson() const;

  private:
    void swapContents(Tvx_Drawing& other);
    void attachMacros();

    Tvx_GeneralVariables generalVariables_;
    Tvx_Array<Tvx_Profile> profiles_;
    std::vector<std::unique_ptr<Tvx_DbMacro>> macros_;
    Tvx_Array<Tvx_Sheet> sheets_;
};

// One macro as the drawing file holds it (compact), to tell whether a change altered it.
std::string macroToJson(const Tvx_Macro& macro);

// Objects by id in any open drawing; null when no open drawing has it.
Tvx_DbMacro* openDbMacro(const AcDbObjectId& id);
Tvx_Profile* openProfile(const AcDbObjectId& id);
// Erases the drawing profile `id` from whichever open drawing has it.
bool eraseOpenProfile(const AcDbObjectId& id);
Tvx_Cut* openCut(const AcDbObjectId& id, Tvx_Module** owner = nullptr);
Tvx_BoltPattern* openBoltPattern(const AcDbObjectId& id, Tvx_BoltModule** owner = nullptr);
