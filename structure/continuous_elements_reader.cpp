// Reader of the continuous-elements file: the members of the structure, with
// the description and the elements of the one being edited.

#include <climits>

#include "common/text.h"
#include "common/text_file.h"
#include "platform/suite_path.h"
#include "structure/job_file_cursor.h"
#include "structure/job_files_reader.h"

namespace {

// The type code sits in columns 21 to 40; an entry of type C has one line in
// place of an element list.
bool IsTypeC(const std::string& entryLine) {
  return Trim(ToUpper(Utf8Mid(entryLine, 21, 20))) == "C";
}

}  // namespace

std::string ReadContinuousElements(const std::string& jobDir, int memberNumber,
                                   StructureModel& model, std::string& memberDescription) {
  model.MemberElementCount = 0;
  memberDescription.clear();
  const std::string path = jobDir + "\\El_Conti.tmp";
  const std::string cannotRead = "Impossibile leggere il file" + path;
  std::optional<std::vector<std::string>> lines = ReadTextFileLines(HostPath(path));
  if (!lines) return cannotRead;
  JobFileCursor in(path, std::move(*lines));

  // A file without a readable member count is as good as no file.
  const std::optional<int> members = in.TryReadInteger(INT_MIN, kAnyCount);
  if (!members) return cannotRead;
  if (!in.Failed() && *members > kMaxMembers) return "Numero di elementi continui eccessivo";
  const int memberCount = in.CheckCount(*members, in.LastLine(), kMaxMembers, "");

  for (int i = 1; i <= memberCount && !in.Failed(); ++i) {
    const std::string entry = in.ReadLine();
    const bool edited = i == memberNumber;
    // Columns 1 to 20 are not needed: the entry's position gives the member.
    if (edited) memberDescription = Utf8Left(Utf8Mid(entry, 41, Utf8Length(entry)), 20);
    if (IsTypeC(entry)) {
      in.ReadLine();
      continue;
    }
    const int elementCount =
        edited ? in.ReadCount(kMaxMemberElements, "troppi elementi nella membratura")
               : in.ReadCount();
    for (int k = 1; k <= elementCount && !in.Failed(); ++k) {
      const int element = in.ReadInteger();
      if (edited) model.MemberElements[k] = static_cast<int16_t>(element);
    }
    if (edited && !in.Failed()) model.MemberElementCount = static_cast<int16_t>(elementCount);
  }
  if (in.Failed()) {
    // What was read of the member is no use once the file is known bad.
    model.MemberElementCount = 0;
    memberDescription.clear();
    return in.Fault()->text;
  }
  return {};
}
