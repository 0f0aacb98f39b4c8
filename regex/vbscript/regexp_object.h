// The VBScript.RegExp component: the expression object and the objects its
// Execute returns, reached only through the automation interface.
//
// Members (names in any letter case):
// - expression: Pattern (text), IgnoreCase, Multiline, Global (booleans,
//   false at first), Execute(subject) -> matches, Replace(subject,
//   replacement) -> text, Test(subject) -> boolean. There is no Singleline.
// - matches: Count; Item(i), 0-based, also the default member.
// - match: Value (the default member), FirstIndex (0-based, in UTF-16 units
//   of the subject), Length, SubMatches.
// - groups: Count; Item(i), 0-based and the default member: the group's text,
//   or Empty when the group took no part in the match.
// Execute and Replace fail on a pattern the dialect refuses or an engine
// error. The objects of one Execute share its subject and results and keep
// them alive; none refers back to the expression.
#pragma once

#include "regex/automation/com_object.h"

namespace lirvane::vbscript {

// A new expression object, with no references yet.
automation::AutomationObject* newRegExpObject();

}  // namespace lirvane::vbscript
