#include "app/file_error.h"

namespace tavilo {

QString FileError::Message() const {
  const QString quoted = QStringLiteral("«\u00A0%1\u00A0»").arg(file);
  switch (code) {
    case Code::NotAListName:
      return QStringLiteral("Le fichier %1 n'est ni un fichier texte brut (.txt) ni un fichier texte enrichi (.rtf) : "
                            "il n'est pas ouvert.")
          .arg(quoted);
    case Code::NotASaveName:
      return QStringLiteral("Le nom %1 ne se termine ni par .txt ni par .rtf : la liste n'est pas enregistrée.")
          .arg(quoted);
    case Code::CannotOpen:
      return QStringLiteral("Impossible d'ouvrir le fichier %1 : %2.").arg(quoted, detail);
    case Code::TooLarge:
      return QStringLiteral("Le fichier %1 est trop grand pour être une liste : il n'est pas ouvert.").arg(quoted);
    case Code::ReadFailed:
      return QStringLiteral("Impossible de lire le fichier %1 : %2.").arg(quoted, detail);
    case Code::BadRtf:
      return detail;
    case Code::CannotSave:
      return QStringLiteral("Impossible d'enregistrer la liste dans %1 : %2.").arg(quoted, detail);
    case Code::NoListsFolder:
      return QStringLiteral("Impossible de créer le dossier %1.").arg(quoted);
    case Code::HelpPageUnreadable:
      return QStringLiteral("Impossible d'ouvrir la page d'aide %1 : %2.").arg(quoted, detail);
  }
  return {};
}

}  // namespace tavilo
