#include "userdata/LearnerSpellings.h"

#include "keyboard/KeyboardModel.h"
#include "userdata/Startup.h"

namespace zr {

std::shared_ptr<const AcceptedSpellings> LearnerSpellings(bool anySpelling, int course, const RomajiTable &table)
{
    if (!anySpelling || course != RomajiCourse)
        return nullptr;
    static RomajiTable builtFrom;
    static std::shared_ptr<const AcceptedSpellings> built;
    if (!built || !(builtFrom == table)) {
        QString error;
        const QList<RomajiEntry> defaults = ReadCourseDefaultTable(RomajiCourse, &error).value_or(QList<RomajiEntry>());
        built = std::make_shared<const AcceptedSpellings>(table, defaults);
        builtFrom = table;
    }
    return built;
}

}  // namespace zr
