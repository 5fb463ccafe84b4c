// Why a file the window reads or writes could not be: a list opened or saved, the "Listes" folder,
// a help page. The window's counterpart of the data files' LoadError: a code, the file, the
// system's reason, and one place that writes the French message.
#pragma once

#include <QString>

namespace tavilo {

struct FileError {
  enum class Code {
    NotAListName,    // opening a name that ends neither in .txt nor in .rtf
    NotASaveName,    // saving under such a name
    CannotOpen,
    TooLarge,
    ReadFailed,
    BadRtf,          // `detail` is the RTF reader's whole message
    CannotSave,
    NoListsFolder,   // the "Listes" folder cannot be created
    HelpPageUnreadable,
  };
  Code code = Code::ReadFailed;
  QString file;    // as the user knows it: the bare file name, or the folder's or page's name
  QString detail;  // the system's reason, where it gives one

  QString Message() const;
};

}  // namespace tavilo
