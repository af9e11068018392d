// The run's texts as bytes of code page 1252 (accented letters written as escapes on purpose).
#include "install/texts.h"

#include <gtest/gtest.h>

#include "install/ini_file.h"

namespace {

using namespace install;

struct TextCase {
    const char* id;
    std::string actual;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) { return out << c.id; }

class TextsTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextsTable, IsByteForByteTheProductsText) {
    EXPECT_EQ(GetParam().actual, GetParam().expected) << GetParam().id;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextsTable,
    ::testing::Values(
        TextCase{"M1", TextMainProductMissing(),
                 "Veuillez installer ce programme dans le m\xEAme r\xE9pertoire que Brindova."},
        TextCase{"M2", TextNothingToUpdate(), "Aucune mise \xE0 jour \xE0 effectuer."},
        TextCase{"M3", TextStagedFileMissing("C:\\A\\Update\\x.dll"),
                 "Le fichier [C:\\A\\Update\\x.dll] n'existe pas. Veuillez rechercher les mises "
                 "\xE0 jour \xE0 l'aide de Brindova."},
        TextCase{"M4", TextPleaseCloseProgram("Pellix.exe"),
                 "Veuiller fermer le programme [Pellix.exe] afin de poursuivre les mises \xE0 jour."},
        TextCase{"M5", TextCannotDelete("C:\\A\\x.dll"),
                 "Impossible de supprimer le fichier [C:\\A\\x.dll]. Veuillez le supprimer "
                 "manuellement et cliquer ensuite sur \x22OK\x22."},
        TextCase{"M6", TextCannotCopy("C:\\A\\Update\\x.dll", "C:\\B\\x.dll"),
                 "Impossible de copier le fichier [C:\\A\\Update\\x.dll]\x0Dvers [C:\\B\\x.dll]. "
                 "Veuillez le copier manuellement ou r\xE9" "essayer ult\xE9rieurement"},
        TextCase{"S1", StatusWaitingFor("Pellix.exe"), "Attente de fermeture de Pellix.exe..."},
        TextCase{"S2", StatusStillWaiting("Pellix.exe"), "Attente de la fermeture\x0D" "de Pellix.exe"},
        TextCase{"S3", StatusRemoving("Pellix.exe"),
                 "Suppression de l'ancienne\x0Dversion de Pellix.exe..."},
        TextCase{"S4", StatusInstalling("Pellix.exe"),
                 "Installation de la nouvelle\x0Dversion de Pellix.exe..."},
        TextCase{"write error", CannotWriteText("C:\\A\\Maj.ini"),
                 "Impossible d'\xE9" "crire dans C:\\A\\Maj.ini"}),
    [](const ::testing::TestParamInfo<TextCase>& info) {
        std::string name;
        for (const char c : std::string(info.param.id)) name += (c == ' ') ? '_' : c;
        return name;
    });

}  // namespace
