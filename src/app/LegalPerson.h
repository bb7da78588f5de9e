// One legal person for the whole main window: an edit in the birth input
// group of any page (generation, analysis, Four Pillars) fills the others,
// with whether the birth date was entered, and is remembered in the user's
// settings folder; when the window is built the remembered person fills
// every group.
#pragma once

class QWidget;

namespace quillora::gui {

// Links every birth input group under the window and fills them with the
// remembered person, if there is one.
void LinkLegalPerson(QWidget* window);

// Forgets the remembered person and puts every group under the window back
// to its initial entries.
void ForgetLegalPerson(QWidget* window);

}  // namespace quillora::gui
