#include "app/LegalPerson.h"

#include <QList>
#include <QObject>
#include <optional>

#include "app/BirthInputGroup.h"
#include "app/ShowInfo.h"
#include "bazi/RememberedPerson.h"
#include "common/TextFile.h"
#include "common/UserFiles.h"

namespace quillora::gui {

namespace {

void Remember(const BirthEntries& person, bool dateGiven) {
    static bool reported = false;  // a failed write is said once
    const std::string path = RememberedPersonFile();
    if (path.empty())
        return;
    try {
        WriteUserFile(path, FormatPerson(person, dateGiven));
        reported = false;
    } catch (const FileWriteError& e) {
        if (!reported)
            ShowInfo(QStringLiteral("法人资料无法记住到下次：") + QString::fromUtf8(e.what()));
        reported = true;
    }
}

}  // namespace

void LinkLegalPerson(QWidget* window) {
    const QList<BirthInputGroup*> groups = window->findChildren<BirthInputGroup*>();
    if (const std::optional<std::string> text = ReadWholeFile(RememberedPersonFile())) {
        if (const std::optional<BirthEntries> person = ParsePerson(*text)) {
            for (BirthInputGroup* group : groups)
                group->SetEntries(*person, PersonDateGiven(*text));
        }
    }
    for (BirthInputGroup* source : groups) {
        QObject::connect(source, &BirthInputGroup::Edited, source, [source, groups] {
            const BirthEntries person = source->Entries();
            for (BirthInputGroup* other : groups) {
                if (other != source)
                    other->SetEntries(person, source->DateGiven());
            }
            Remember(person, source->DateGiven());
        });
    }
}

void ForgetLegalPerson(QWidget* window) {
    RemoveUserFile(RememberedPersonFile());
    for (BirthInputGroup* group : window->findChildren<BirthInputGroup*>())
        group->Reset();
}

}  // namespace quillora::gui
