// The desktop program's entry.
#include "app/Application.h"

int main(int argc, char** argv) {
    return quillora::gui::RunApplication(argc, argv);
}
