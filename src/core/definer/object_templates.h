#pragma once

// The object generator's templates, one set per language, as data. Only the generator reads
// them; it picks a set in one place.

#include <array>
#include <span>
#include <string_view>

namespace nakkas::objects {

// A piece of generated text: a fixed literal or a value inserted at generation time.
enum class Insert {
    None,
    Variable,
    ListItems,
    WebAddress,
    VideoAddress,
    Access,        // the access modifier as chosen (Java writes it in front of the declaration)
    ClassName,     // the view's class
    IdReference,   // R.id.name, or android.R.id.name for a framework id
    Visibility,    // the Kotlin visibility word of a member, with its blank
    MemberIndent,  // the blanks in front of a member inside a companion object
};

struct Piece {
    std::string_view text;
    Insert insert = Insert::None;
};

inline constexpr Piece variable{{}, Insert::Variable};
inline constexpr Piece listItems{{}, Insert::ListItems};
inline constexpr Piece webAddress{{}, Insert::WebAddress};
inline constexpr Piece videoAddress{{}, Insert::VideoAddress};
inline constexpr Piece access{{}, Insert::Access};
inline constexpr Piece className{{}, Insert::ClassName};
inline constexpr Piece idReference{{}, Insert::IdReference};
inline constexpr Piece visibility{{}, Insert::Visibility};
inline constexpr Piece memberIndent{{}, Insert::MemberIndent};

// The listener block of one entry, written as up to three runs of pieces one after the other.
// The ProgressBar hint stands after an empty line, so its declaration is followed by one.
struct ObjectText {
    std::string_view typeKey;
    bool blankLineAfterDeclaration;
    std::array<std::span<const Piece>, 3> listener;
};

// Where a view lives. A local is declared and bound in one statement; a member (or a member of
// the companion object) is declared in the class body and bound in onCreate.
enum class Home { Local, Member, Companion };

// An access modifier that makes the view something other than a local.
struct AccessHome {
    std::string_view access;
    Home home;
    std::string_view visibility;  // the word written in front of the member, blank included
};

// Java fills only the first two: it declares every view where the statement stands, whatever
// the modifier says.
struct Templates {
    std::span<const ObjectText> objects;
    std::span<const Piece> local;
    std::span<const Piece> member = {};
    std::span<const Piece> binding = {};  // the member's statement in onCreate
    std::span<const AccessHome> homes = {};
    // Members of the companion object stand between these two, indented.
    std::string_view companionOpen = {};
    std::string_view companionIndent = {};
    std::string_view companionCloseAndMarker = {};
    // The line between the members and the statements of a text that has both.
    std::string_view onCreateMarker = {};
};

const Templates& javaTemplates();
const Templates& kotlinTemplates();

}  // namespace nakkas::objects
