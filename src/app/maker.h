#pragma once
// Who makes Calvorin and where to reach them: the credits, the maker's window and the links use these.
#include <QString>

namespace calvorin::maker {

inline const QString author = QStringLiteral("Teodoro Vasconcelos Brandão");
inline const QString company = QStringLiteral("Brandão Software Educativo");
inline const QString homePage = QStringLiteral("http://www.calvorin.example");
inline const QString email = QStringLiteral("teodoro@calvorin.example");

// Opens a web address or a mail message in the user's own programs; a failure is not reported.
void openWebPage();
void openMail();

} // namespace calvorin::maker
