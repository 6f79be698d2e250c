// The engine's texts live in the library itself so a job never depends on resource files
// being installed next to it.
#include "EngineStrings.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <string>

namespace kalvo {
namespace {

constexpr std::size_t kTextCount = std::size(kEngineTextIds);

// One language; texts in the order of kEngineTextIds.
struct EngineTextRow {
    std::uint16_t lang;
    const char16_t* texts[kTextCount];
};

// Sorted by LANGID for the binary search in FindEngineText.
constexpr EngineTextRow kEngineTexts[] = {
    {60, {
        u"Líon iomlán na bhfacéad a próiseáladh: %u.",
        u"Próiseáil deiridh na sonraí.",
        u"Earráid 1: Ní féidir an comhad atá le deisiú a oscailt. %s",
        u"Earráid 2: Earráid ghinearálta. %s",
        u"Earráid 3: Earráid anaithnid sa %s.",
        u"Sárú comhroinnte agus an comhad foinseach '%s' á oscailt.\n"
        u"Dún aon fheidhmchláir eile atá ag úsáid an chomhaid agus bain triail eile as.\n"
        u"Mura n-oibríonn sé sin fós, déan cóip den chomhad foinseach agus deisigh an chóip ina áit.",
        u"phróiseas aisghabhála iomlán"}},
    {1025, {
        u"إجمالي عدد الأوجه التي تمت معالجتها: %u.",
        u"المعالجة النهائية للبيانات.",
        u"الخطأ 1: تعذر فتح الملف المراد إصلاحه. %s",
        u"الخطأ 2: خطأ عام. %s",
        u"الخطأ 3: خطأ غير معروف في %s.",
        u"حدث انتهاك مشاركة عند فتح الملف المصدر '%s'.\n"
        u"يرجى إغلاق أي تطبيقات أخرى تستخدم الملف والمحاولة مرة أخرى.\n"
        u"إذا استمرت المشكلة، فيرجى إنشاء نسخة من الملف المصدر ثم إصلاح النسخة بدلاً منه.",
        u"عملية الاسترداد بأكملها"}},
    {1026, {
        u"Общ брой обработени стени: %u.",
        u"Окончателна обработка на данните.",
        u"Грешка 1: Файлът за поправка не може да бъде отворен. %s",
        u"Грешка 2: Обща грешка. %s",
        u"Грешка 3: Неизвестна грешка в %s.",
        u"Нарушение на споделения достъп при отваряне на изходния файл '%s'.\n"
        u"Моля, затворете всички други приложения, които използват файла, и опитайте отново.\n"
        u"Ако и това не помогне, направете копие на изходния файл и поправете копието.",
        u"целия процес на възстановяване"}},
    {1027, {
        u"Nombre total de facetes processades: %u.",
        u"Processament final de les dades.",
        u"Error 1: No es pot obrir el fitxer que s'ha de reparar. %s",
        u"Error 2: Error general. %s",
        u"Error 3: Error desconegut en %s.",
        u"Infracció d'ús compartit en obrir el fitxer d'origen '%s'.\n"
        u"Tanqueu qualsevol altra aplicació que estigui accedint al fitxer i torneu-ho a provar.\n"
        u"Si encara no funciona, feu una còpia del fitxer d'origen i repareu la còpia.",
        u"tot el procés de recuperació"}},
    {1028, {
        u"已處理的面片總數：%u。",
        u"最終資料處理。",
        u"錯誤 1：無法開啟要修復的檔案。%s",
        u"錯誤 2：一般錯誤。%s",
        u"錯誤 3：%s中發生未知錯誤。",
        u"開啟來源檔案 '%s' 時發生共用違規。\n"
        u"請關閉其他正在存取此檔案的應用程式，然後再試一次。\n"
        u"如果仍然無法解決，請複製一份來源檔案，然後改為修復該複本。",
        u"整個修復過程"}},
    {1029, {
        u"Celkový počet zpracovaných plošek: %u.",
        u"Závěrečné zpracování dat.",
        u"Chyba 1: Soubor určený k opravě nelze otevřít. %s",
        u"Chyba 2: Obecná chyba. %s",
        u"Chyba 3: Neznámá chyba v %s.",
        u"Při otevírání zdrojového souboru '%s' došlo k narušení sdílení.\n"
        u"Zavřete prosím všechny ostatní aplikace, které k souboru přistupují, a zkuste to znovu.\n"
        u"Pokud to stále nepomůže, vytvořte kopii zdrojového souboru a opravte místo něj tuto kopii.",
        u"celém procesu obnovy"}},
    {1030, {
        u"Samlet antal behandlede facetter: %u.",
        u"Endelig databehandling.",
        u"Fejl 1: Filen, der skal repareres, kan ikke åbnes. %s",
        u"Fejl 2: Generel fejl. %s",
        u"Fejl 3: Ukendt fejl i %s.",
        u"Delingsfejl ved åbning af kildefilen '%s'.\n"
        u"Luk alle andre programmer, der bruger filen, og prøv igen.\n"
        u"Hvis det stadig ikke virker, skal du lave en kopi af kildefilen og reparere kopien i stedet.",
        u"hele gendannelsesprocessen"}},
    {1031, {
        u"Gesamtzahl der verarbeiteten Facetten: %u.",
        u"Abschließende Datenverarbeitung.",
        u"Fehler 1: Die zu reparierende Datei kann nicht geöffnet werden. %s",
        u"Fehler 2: Allgemeiner Fehler. %s",
        u"Fehler 3: Unbekannter Fehler im %s.",
        u"Freigabeverletzung beim Öffnen der Quelldatei '%s'.\n"
        u"Bitte schließen Sie alle anderen Anwendungen, die auf die Datei zugreifen, und versuchen Sie es erneut.\n"
        u"Wenn es dann immer noch nicht funktioniert, erstellen Sie eine Kopie der Quelldatei und reparieren Sie stattdessen die Kopie.",
        u"gesamten Wiederherstellungsprozess"}},
    {1032, {
        u"Συνολικός αριθμός επεξεργασμένων εδρών: %u.",
        u"Τελική επεξεργασία δεδομένων.",
        u"Σφάλμα 1: Δεν είναι δυνατό το άνοιγμα του αρχείου προς επιδιόρθωση. %s",
        u"Σφάλμα 2: Γενικό σφάλμα. %s",
        u"Σφάλμα 3: Άγνωστο σφάλμα κατά %s.",
        u"Παραβίαση κοινής χρήσης κατά το άνοιγμα του αρχείου προέλευσης '%s'.\n"
        u"Κλείστε τυχόν άλλες εφαρμογές που χρησιμοποιούν το αρχείο και δοκιμάστε ξανά.\n"
        u"Αν το πρόβλημα παραμένει, δημιουργήστε ένα αντίγραφο του αρχείου προέλευσης και επιδιορθώστε το αντίγραφο.",
        u"τη συνολική διαδικασία ανάκτησης"}},
    {1033, {
        u"Total count of processed facets: %u.",
        u"Final data processing.",
        u"Error 1: Cannot open the file to be repaired. %s",
        u"Error 2: General error. %s",
        u"Error 3: Unknown error in %s.",
        u"Share violation when opening the source file '%s'.\n"
        u"Please close any other applications accessing the file and try again.\n"
        u"If this still cannot work, then please make a copy of the source file, then repair the copy instead.",
        u"whole recovery process"}},
    {1035, {
        u"Käsiteltyjen tahkojen kokonaismäärä: %u.",
        u"Tietojen loppukäsittely.",
        u"Virhe 1: Korjattavaa tiedostoa ei voi avata. %s",
        u"Virhe 2: Yleinen virhe. %s",
        u"Virhe 3: Tuntematon virhe %s.",
        u"Jakorikkomus avattaessa lähdetiedostoa '%s'.\n"
        u"Sulje kaikki muut sovellukset, jotka käyttävät tiedostoa, ja yritä uudelleen.\n"
        u"Jos tämä ei vieläkään auta, tee lähdetiedostosta kopio ja korjaa kopio alkuperäisen sijaan.",
        u"koko palautusprosessissa"}},
    {1036, {
        u"Nombre total de facettes traitées : %u.",
        u"Traitement final des données.",
        u"Erreur 1 : impossible d'ouvrir le fichier à réparer. %s",
        u"Erreur 2 : erreur générale. %s",
        u"Erreur 3 : erreur inconnue dans %s.",
        u"Violation de partage lors de l'ouverture du fichier source '%s'.\n"
        u"Veuillez fermer toutes les autres applications qui accèdent au fichier, puis réessayez.\n"
        u"Si le problème persiste, faites une copie du fichier source et réparez plutôt cette copie.",
        u"l'ensemble du processus de récupération"}},
    {1037, {
        u"המספר הכולל של הפאות שעובדו: %u.",
        u"עיבוד נתונים סופי.",
        u"שגיאה 1: לא ניתן לפתוח את הקובץ שיש לתקן. %s",
        u"שגיאה 2: שגיאה כללית. %s",
        u"שגיאה 3: שגיאה לא ידועה ב%s.",
        u"הפרת שיתוף בעת פתיחת קובץ המקור '%s'.\n"
        u"סגור את כל היישומים האחרים הניגשים לקובץ ונסה שוב.\n"
        u"אם הבעיה נמשכת, צור עותק של קובץ המקור ותקן את העותק במקומו.",
        u"תהליך השחזור כולו"}},
    {1038, {
        u"A feldolgozott lapok teljes száma: %u.",
        u"Az adatok végső feldolgozása.",
        u"1. hiba: A javítandó fájl nem nyitható meg. %s",
        u"2. hiba: Általános hiba. %s",
        u"3. hiba: Ismeretlen hiba %s.",
        u"Megosztásmegsértés történt a(z) '%s' forrásfájl megnyitásakor.\n"
        u"Zárjon be minden más alkalmazást, amely hozzáfér a fájlhoz, majd próbálja újra.\n"
        u"Ha ez sem segít, készítsen másolatot a forrásfájlról, és inkább a másolatot javítsa.",
        u"a teljes helyreállítási folyamatban"}},
    {1039, {
        u"Heildarfjöldi unninna flata: %u.",
        u"Lokavinnsla gagna.",
        u"Villa 1: Ekki er hægt að opna skrána sem á að gera við. %s",
        u"Villa 2: Almenn villa. %s",
        u"Villa 3: Óþekkt villa í %s.",
        u"Deilingarbrot við opnun upprunaskrárinnar '%s'.\n"
        u"Lokaðu öllum öðrum forritum sem nota skrána og reyndu aftur.\n"
        u"Ef þetta virkar samt ekki skaltu gera afrit af upprunaskránni og gera við afritið í staðinn.",
        u"öllu endurheimtarferlinu"}},
    {1040, {
        u"Numero totale di faccette elaborate: %u.",
        u"Elaborazione finale dei dati.",
        u"Errore 1: impossibile aprire il file da riparare. %s",
        u"Errore 2: errore generico. %s",
        u"Errore 3: errore sconosciuto durante %s.",
        u"Violazione di condivisione durante l'apertura del file di origine '%s'.\n"
        u"Chiudere tutte le altre applicazioni che accedono al file e riprovare.\n"
        u"Se il problema persiste, creare una copia del file di origine e riparare la copia.",
        u"l'intero processo di ripristino"}},
    {1041, {
        u"処理されたファセットの総数: %u。",
        u"データの最終処理を行っています。",
        u"エラー 1: 修復するファイルを開けません。%s",
        u"エラー 2: 一般的なエラーです。%s",
        u"エラー 3: %sで不明なエラーが発生しました。",
        u"ソース ファイル '%s' を開く際に共有違反が発生しました。\n"
        u"このファイルにアクセスしている他のアプリケーションをすべて閉じてから、もう一度お試しください。\n"
        u"それでも解決しない場合は、ソース ファイルのコピーを作成し、代わりにそのコピーを修復してください。",
        u"修復処理全体"}},
    {1042, {
        u"처리된 패싯의 총 개수: %u.",
        u"최종 데이터 처리.",
        u"오류 1: 복구할 파일을 열 수 없습니다. %s",
        u"오류 2: 일반 오류입니다. %s",
        u"오류 3: %s에서 알 수 없는 오류가 발생했습니다.",
        u"원본 파일 '%s'을(를) 여는 중 공유 위반이 발생했습니다.\n"
        u"이 파일에 액세스하는 다른 응용 프로그램을 모두 닫고 다시 시도하십시오.\n"
        u"그래도 해결되지 않으면 원본 파일의 복사본을 만든 다음 복사본을 대신 복구하십시오.",
        u"전체 복구 과정"}},
    {1043, {
        u"Totaal aantal verwerkte facetten: %u.",
        u"Eindverwerking van de gegevens.",
        u"Fout 1: Kan het te herstellen bestand niet openen. %s",
        u"Fout 2: Algemene fout. %s",
        u"Fout 3: Onbekende fout in %s.",
        u"Schending van gedeeld gebruik bij het openen van het bronbestand '%s'.\n"
        u"Sluit alle andere toepassingen die het bestand gebruiken en probeer het opnieuw.\n"
        u"Als het dan nog steeds niet lukt, maak dan een kopie van het bronbestand en herstel in plaats daarvan de kopie.",
        u"het volledige herstelproces"}},
    {1044, {
        u"Totalt antall behandlede fasetter: %u.",
        u"Endelig databehandling.",
        u"Feil 1: Kan ikke åpne filen som skal repareres. %s",
        u"Feil 2: Generell feil. %s",
        u"Feil 3: Ukjent feil i %s.",
        u"Delingsbrudd ved åpning av kildefilen '%s'.\n"
        u"Lukk alle andre programmer som bruker filen, og prøv igjen.\n"
        u"Hvis det fortsatt ikke fungerer, kan du lage en kopi av kildefilen og reparere kopien i stedet.",
        u"hele gjenopprettingsprosessen"}},
    {1045, {
        u"Łączna liczba przetworzonych ścianek: %u.",
        u"Końcowe przetwarzanie danych.",
        u"Błąd 1: Nie można otworzyć pliku do naprawy. %s",
        u"Błąd 2: Błąd ogólny. %s",
        u"Błąd 3: Nieznany błąd w %s.",
        u"Naruszenie zasad udostępniania podczas otwierania pliku źródłowego '%s'.\n"
        u"Zamknij wszystkie inne aplikacje korzystające z tego pliku i spróbuj ponownie.\n"
        u"Jeśli to nadal nie pomoże, utwórz kopię pliku źródłowego i napraw tę kopię.",
        u"całym procesie odzyskiwania"}},
    {1048, {
        u"Numărul total de fațete procesate: %u.",
        u"Procesarea finală a datelor.",
        u"Eroare 1: Fișierul de reparat nu poate fi deschis. %s",
        u"Eroare 2: Eroare generală. %s",
        u"Eroare 3: Eroare necunoscută în %s.",
        u"Încălcare de partajare la deschiderea fișierului sursă '%s'.\n"
        u"Închideți orice alte aplicații care accesează fișierul și încercați din nou.\n"
        u"Dacă nici așa nu funcționează, faceți o copie a fișierului sursă și reparați copia.",
        u"întregul proces de recuperare"}},
    {1049, {
        u"Общее количество обработанных граней: %u.",
        u"Окончательная обработка данных.",
        u"Ошибка 1: Не удается открыть восстанавливаемый файл. %s",
        u"Ошибка 2: Общая ошибка. %s",
        u"Ошибка 3: Неизвестная ошибка в ходе %s.",
        u"Нарушение совместного доступа при открытии исходного файла '%s'.\n"
        u"Закройте все другие приложения, использующие этот файл, и повторите попытку.\n"
        u"Если это не поможет, создайте копию исходного файла и восстановите эту копию.",
        u"всего процесса восстановления"}},
    {1050, {
        u"Ukupan broj obrađenih ploha: %u.",
        u"Završna obrada podataka.",
        u"Pogreška 1: Nije moguće otvoriti datoteku koju treba popraviti. %s",
        u"Pogreška 2: Opća pogreška. %s",
        u"Pogreška 3: Nepoznata pogreška u %s.",
        u"Povreda dijeljenja pri otvaranju izvorne datoteke '%s'.\n"
        u"Zatvorite sve ostale aplikacije koje pristupaju datoteci i pokušajte ponovno.\n"
        u"Ako ni to ne pomogne, napravite kopiju izvorne datoteke i popravite kopiju.",
        u"cijelom postupku oporavka"}},
    {1051, {
        u"Celkový počet spracovaných plôšok: %u.",
        u"Záverečné spracovanie údajov.",
        u"Chyba 1: Súbor určený na opravu nemožno otvoriť. %s",
        u"Chyba 2: Všeobecná chyba. %s",
        u"Chyba 3: Neznáma chyba v %s.",
        u"Pri otváraní zdrojového súboru '%s' došlo k porušeniu zdieľania.\n"
        u"Zatvorte všetky ostatné aplikácie, ktoré pristupujú k súboru, a skúste to znova.\n"
        u"Ak to ani potom nepomôže, vytvorte kópiu zdrojového súboru a opravte namiesto neho túto kópiu.",
        u"celom procese obnovy"}},
    {1052, {
        u"Numri i përgjithshëm i faqeve të përpunuara: %u.",
        u"Përpunimi përfundimtar i të dhënave.",
        u"Gabimi 1: Skedari që duhet riparuar nuk mund të hapet. %s",
        u"Gabimi 2: Gabim i përgjithshëm. %s",
        u"Gabimi 3: Gabim i panjohur në %s.",
        u"Shkelje e ndarjes gjatë hapjes së skedarit burimor '%s'.\n"
        u"Ju lutemi mbyllni çdo aplikacion tjetër që përdor skedarin dhe provoni përsëri.\n"
        u"Nëse kjo ende nuk funksionon, bëni një kopje të skedarit burimor dhe riparoni kopjen në vend të tij.",
        u"të gjithë procesin e rikuperimit"}},
    {1053, {
        u"Totalt antal bearbetade facetter: %u.",
        u"Slutlig databearbetning.",
        u"Fel 1: Det går inte att öppna filen som ska repareras. %s",
        u"Fel 2: Allmänt fel. %s",
        u"Fel 3: Okänt fel i %s.",
        u"Delningsfel när källfilen '%s' skulle öppnas.\n"
        u"Stäng alla andra program som använder filen och försök igen.\n"
        u"Om det fortfarande inte fungerar kan du göra en kopia av källfilen och reparera kopian i stället.",
        u"hela återställningsprocessen"}},
    {1054, {
        u"จำนวนเฟซทั้งหมดที่ประมวลผลแล้ว: %u",
        u"กำลังประมวลผลข้อมูลขั้นสุดท้าย",
        u"ข้อผิดพลาด 1: ไม่สามารถเปิดไฟล์ที่จะซ่อมแซมได้ %s",
        u"ข้อผิดพลาด 2: ข้อผิดพลาดทั่วไป %s",
        u"ข้อผิดพลาด 3: เกิดข้อผิดพลาดที่ไม่รู้จักใน%s",
        u"เกิดการละเมิดการใช้ร่วมกันขณะเปิดไฟล์ต้นฉบับ '%s'\n"
        u"โปรดปิดแอปพลิเคชันอื่นๆ ที่กำลังเข้าถึงไฟล์นี้ แล้วลองอีกครั้ง\n"
        u"หากยังไม่ได้ผล โปรดทำสำเนาไฟล์ต้นฉบับ แล้วซ่อมแซมสำเนานั้นแทน",
        u"กระบวนการกู้คืนทั้งหมด"}},
    {1055, {
        u"İşlenen toplam yüzey sayısı: %u.",
        u"Son veri işleme aşaması.",
        u"Hata 1: Onarılacak dosya açılamıyor. %s",
        u"Hata 2: Genel hata. %s",
        u"Hata 3: %s sırasında bilinmeyen hata.",
        u"Kaynak dosya '%s' açılırken paylaşım ihlali oluştu.\n"
        u"Lütfen dosyaya erişen diğer tüm uygulamaları kapatıp yeniden deneyin.\n"
        u"Bu yine de işe yaramazsa kaynak dosyanın bir kopyasını oluşturun ve bunun yerine kopyayı onarın.",
        u"tüm kurtarma işlemi"}},
    {1056, {
        u"پروسیس کیے گئے فیسٹس کی کل تعداد: %u۔",
        u"ڈیٹا کی حتمی پروسیسنگ۔",
        u"خرابی 1: مرمت کی جانے والی فائل نہیں کھولی جا سکتی۔ %s",
        u"خرابی 2: عمومی خرابی۔ %s",
        u"خرابی 3: %s میں نامعلوم خرابی۔",
        u"سورس فائل '%s' کھولتے وقت شیئرنگ کی خلاف ورزی ہوئی۔\n"
        u"براہ کرم فائل تک رسائی کرنے والی دیگر تمام ایپلیکیشنز بند کریں اور دوبارہ کوشش کریں۔\n"
        u"اگر پھر بھی کام نہ بنے تو سورس فائل کی ایک کاپی بنائیں اور اس کے بجائے کاپی کی مرمت کریں۔",
        u"پورے بحالی کے عمل"}},
    {1057, {
        u"Jumlah total faset yang diproses: %u.",
        u"Pemrosesan data akhir.",
        u"Kesalahan 1: Tidak dapat membuka file yang akan diperbaiki. %s",
        u"Kesalahan 2: Kesalahan umum. %s",
        u"Kesalahan 3: Kesalahan tidak dikenal dalam %s.",
        u"Terjadi pelanggaran berbagi saat membuka file sumber '%s'.\n"
        u"Tutup semua aplikasi lain yang sedang mengakses file tersebut, lalu coba lagi.\n"
        u"Jika masih belum berhasil, buat salinan file sumber, lalu perbaiki salinannya.",
        u"seluruh proses pemulihan"}},
    {1058, {
        u"Загальна кількість оброблених граней: %u.",
        u"Остаточна обробка даних.",
        u"Помилка 1: Не вдається відкрити файл, який потрібно відновити. %s",
        u"Помилка 2: Загальна помилка. %s",
        u"Помилка 3: Невідома помилка під час %s.",
        u"Порушення спільного доступу під час відкриття вихідного файлу '%s'.\n"
        u"Закрийте всі інші програми, що використовують цей файл, і спробуйте ще раз.\n"
        u"Якщо це не допоможе, створіть копію вихідного файлу та відновіть цю копію.",
        u"всього процесу відновлення"}},
    {1059, {
        u"Агульная колькасць апрацаваных граняў: %u.",
        u"Канчатковая апрацоўка даных.",
        u"Памылка 1: Не ўдаецца адкрыць файл, які трэба аднавіць. %s",
        u"Памылка 2: Агульная памылка. %s",
        u"Памылка 3: Невядомая памылка падчас %s.",
        u"Парушэнне сумеснага доступу пры адкрыцці зыходнага файла '%s'.\n"
        u"Закрыйце ўсе іншыя праграмы, якія выкарыстоўваюць гэты файл, і паспрабуйце яшчэ раз.\n"
        u"Калі гэта не дапаможа, зрабіце копію зыходнага файла і аднавіце гэтую копію.",
        u"усяго працэсу аднаўлення"}},
    {1060, {
        u"Skupno število obdelanih ploskev: %u.",
        u"Končna obdelava podatkov.",
        u"Napaka 1: Datoteke, ki jo želite popraviti, ni mogoče odpreti. %s",
        u"Napaka 2: Splošna napaka. %s",
        u"Napaka 3: Neznana napaka v %s.",
        u"Kršitev skupne rabe pri odpiranju izvorne datoteke '%s'.\n"
        u"Zaprite vse druge programe, ki dostopajo do datoteke, in poskusite znova.\n"
        u"Če to še vedno ne pomaga, naredite kopijo izvorne datoteke in namesto nje popravite kopijo.",
        u"celotnem postopku obnovitve"}},
    {1061, {
        u"Töödeldud tahkude koguarv: %u.",
        u"Andmete lõplik töötlemine.",
        u"Viga 1: Parandatavat faili ei saa avada. %s",
        u"Viga 2: Üldine viga. %s",
        u"Viga 3: Tundmatu viga %s.",
        u"Ühiskasutuse rikkumine lähtefaili '%s' avamisel.\n"
        u"Sulgege kõik muud rakendused, mis faili kasutavad, ja proovige uuesti.\n"
        u"Kui see ikka ei aita, tehke lähtefailist koopia ja parandage selle asemel koopia.",
        u"kogu taasteprotsessis"}},
    {1062, {
        u"Kopējais apstrādāto skaldņu skaits: %u.",
        u"Datu galīgā apstrāde.",
        u"Kļūda 1: Nevar atvērt labojamo failu. %s",
        u"Kļūda 2: Vispārīga kļūda. %s",
        u"Kļūda 3: Nezināma kļūda %s.",
        u"Koplietošanas pārkāpums, atverot avota failu '%s'.\n"
        u"Lūdzu, aizveriet visas citas lietojumprogrammas, kas piekļūst failam, un mēģiniet vēlreiz.\n"
        u"Ja tas joprojām nelīdz, izveidojiet avota faila kopiju un labojiet kopiju.",
        u"visā atkopšanas procesā"}},
    {1063, {
        u"Bendras apdorotų sienelių skaičius: %u.",
        u"Galutinis duomenų apdorojimas.",
        u"Klaida 1: Nepavyksta atidaryti taisytino failo. %s",
        u"Klaida 2: Bendroji klaida. %s",
        u"Klaida 3: Nežinoma klaida %s.",
        u"Bendrinimo pažeidimas atidarant šaltinio failą '%s'.\n"
        u"Uždarykite visas kitas programas, kurios naudoja šį failą, ir bandykite dar kartą.\n"
        u"Jei ir tai nepadeda, padarykite šaltinio failo kopiją ir taisykite kopiją.",
        u"viso atkūrimo proceso metu"}},
    {1064, {
        u"Шумораи умумии рӯяҳои коркардшуда: %u.",
        u"Коркарди ниҳоии маълумот.",
        u"Хатои 1: Файли таъмиршавандаро кушодан ғайриимкон аст. %s",
        u"Хатои 2: Хатои умумӣ. %s",
        u"Хатои 3: Хатои номаълум дар %s.",
        u"Ҳангоми кушодани файли манбаъ '%s' вайронкунии дастрасии муштарак рух дод.\n"
        u"Лутфан, ҳамаи барномаҳои дигареро, ки ба ин файл дастрасӣ доранд, пӯшед ва бори дигар кӯшиш кунед.\n"
        u"Агар ин ҳам кӯмак накунад, аз файли манбаъ нусха гиред ва ба ҷои он нусхаро таъмир кунед.",
        u"тамоми раванди барқарорсозӣ"}},
    {1065, {
        u"تعداد کل وجه‌های پردازش‌شده: %u.",
        u"پردازش نهایی داده‌ها.",
        u"خطای 1: فایلی که باید تعمیر شود باز نمی‌شود. %s",
        u"خطای 2: خطای کلی. %s",
        u"خطای 3: خطای ناشناخته در %s.",
        u"هنگام باز کردن فایل مبدأ '%s' نقض اشتراک‌گذاری رخ داد.\n"
        u"لطفاً همهٔ برنامه‌های دیگری را که به این فایل دسترسی دارند ببندید و دوباره تلاش کنید.\n"
        u"اگر باز هم مشکل برطرف نشد، از فایل مبدأ یک نسخه تهیه کنید و به‌جای آن، نسخه را تعمیر کنید.",
        u"کل فرایند بازیابی"}},
    {1066, {
        u"Tổng số mặt đã xử lý: %u.",
        u"Xử lý dữ liệu lần cuối.",
        u"Lỗi 1: Không thể mở tệp cần sửa chữa. %s",
        u"Lỗi 2: Lỗi chung. %s",
        u"Lỗi 3: Lỗi không xác định trong %s.",
        u"Xảy ra vi phạm chia sẻ khi mở tệp nguồn '%s'.\n"
        u"Vui lòng đóng mọi ứng dụng khác đang truy cập tệp rồi thử lại.\n"
        u"Nếu vẫn không được, hãy tạo một bản sao của tệp nguồn rồi sửa chữa bản sao đó.",
        u"toàn bộ quá trình khôi phục"}},
    {1067, {
        u"Մշակված նիստերի ընդհանուր քանակը՝ %u։",
        u"Տվյալների վերջնական մշակում։",
        u"Սխալ 1՝ վերականգնվող ֆայլը հնարավոր չէ բացել։ %s",
        u"Սխալ 2՝ ընդհանուր սխալ։ %s",
        u"Սխալ 3՝ անհայտ սխալ %s։",
        u"Համօգտագործման խախտում՝ '%s' աղբյուր ֆայլը բացելիս։\n"
        u"Խնդրում ենք փակել այս ֆայլն օգտագործող մյուս բոլոր ծրագրերը և կրկին փորձել։\n"
        u"Եթե դա էլ չօգնի, ստեղծեք աղբյուր ֆայլի պատճենը և դրա փոխարեն վերականգնեք պատճենը։",
        u"վերականգնման ողջ գործընթացում"}},
    {1068, {
        u"Emal olunmuş üzlərin ümumi sayı: %u.",
        u"Məlumatların yekun emalı.",
        u"Xəta 1: Bərpa ediləcək faylı açmaq mümkün deyil. %s",
        u"Xəta 2: Ümumi xəta. %s",
        u"Xəta 3: %s zamanı naməlum xəta.",
        u"Mənbə faylı '%s' açılarkən paylaşma pozuntusu baş verdi.\n"
        u"Fayla müraciət edən bütün digər proqramları bağlayın və yenidən cəhd edin.\n"
        u"Bu yenə də kömək etməzsə, mənbə faylının surətini çıxarın və əvəzində surəti bərpa edin.",
        u"bütün bərpa prosesi"}},
    {1069, {
        u"Prozesatutako aurpegien guztizko kopurua: %u.",
        u"Datuen azken prozesamendua.",
        u"1. errorea: Ezin da konpondu beharreko fitxategia ireki. %s",
        u"2. errorea: Errore orokorra. %s",
        u"3. errorea: Errore ezezaguna %s.",
        u"Partekatze-urraketa gertatu da '%s' jatorrizko fitxategia irekitzean.\n"
        u"Itxi fitxategia erabiltzen ari diren beste aplikazio guztiak eta saiatu berriro.\n"
        u"Horrela ere ez badabil, egin jatorrizko fitxategiaren kopia bat eta konpondu kopia haren ordez.",
        u"berreskuratze-prozesu osoan"}},
    {1071, {
        u"Вкупен број на обработени страни: %u.",
        u"Завршна обработка на податоците.",
        u"Грешка 1: Датотеката за поправка не може да се отвори. %s",
        u"Грешка 2: Општа грешка. %s",
        u"Грешка 3: Непозната грешка во %s.",
        u"Повреда на споделувањето при отворање на изворната датотека '%s'.\n"
        u"Затворете ги сите други апликации што пристапуваат до датотеката и обидете се повторно.\n"
        u"Ако ни тоа не помогне, направете копија од изворната датотека и поправете ја копијата.",
        u"целиот процес на обновување"}},
    {1076, {
        u"Inani elipheleleyo lamacala asetyenziweyo: %u.",
        u"Ukusetyenzwa kokugqibela kwedatha.",
        u"Impazamo 1: Ifayile ekufuneka ilungiswe ayikwazi ukuvulwa. %s",
        u"Impazamo 2: Impazamo jikelele. %s",
        u"Impazamo 3: Impazamo engaziwayo %s.",
        u"Kukho ukwaphulwa kokwabelana xa kuvulwa ifayile yemvelaphi '%s'.\n"
        u"Nceda uvale naziphi na ezinye iinkqubo ezisebenzisa le fayile uze uzame kwakhona.\n"
        u"Ukuba oku akusebenzi, yenza ikopi yefayile yemvelaphi, uze ulungise ikopi endaweni yayo.",
        u"kuyo yonke inkqubo yokubuyisela"}},
    {1077, {
        u"Isamba sezinhlangothi ezicutshunguliwe: %u.",
        u"Ukucutshungulwa kokugcina kwedatha.",
        u"Iphutha 1: Ifayela okufanele lilungiswe alikwazi ukuvulwa. %s",
        u"Iphutha 2: Iphutha elijwayelekile. %s",
        u"Iphutha 3: Iphutha elingaziwa %s.",
        u"Kube nokwephulwa kokwabelana lapho kuvulwa ifayela lomthombo '%s'.\n"
        u"Sicela uvale noma yiziphi ezinye izinhlelo zokusebenza ezisebenzisa leli fayela bese uzama futhi.\n"
        u"Uma lokhu kungasebenzi, yenza ikhophi yefayela lomthombo, bese ulungisa ikhophi esikhundleni salo.",
        u"kuyo yonke inqubo yokubuyisela"}},
    {1078, {
        u"Totale aantal verwerkte fasette: %u.",
        u"Finale dataverwerking.",
        u"Fout 1: Kan nie die lêer wat herstel moet word, oopmaak nie. %s",
        u"Fout 2: Algemene fout. %s",
        u"Fout 3: Onbekende fout in %s.",
        u"Deelskending tydens die oopmaak van die bronlêer '%s'.\n"
        u"Maak asseblief enige ander toepassings toe wat die lêer gebruik, en probeer weer.\n"
        u"As dit steeds nie werk nie, maak 'n kopie van die bronlêer en herstel eerder die kopie.",
        u"die hele hersteproses"}},
    {1079, {
        u"დამუშავებული წახნაგების საერთო რაოდენობა: %u.",
        u"მონაცემების საბოლოო დამუშავება.",
        u"შეცდომა 1: აღსადგენი ფაილის გახსნა ვერ მოხერხდა. %s",
        u"შეცდომა 2: ზოგადი შეცდომა. %s",
        u"შეცდომა 3: უცნობი შეცდომა %s.",
        u"წყარო ფაილის '%s' გახსნისას მოხდა გაზიარების დარღვევა.\n"
        u"გთხოვთ, დახუროთ ყველა სხვა აპლიკაცია, რომელიც ამ ფაილს იყენებს, და სცადოთ ხელახლა.\n"
        u"თუ ესეც არ უშველის, შექმენით წყარო ფაილის ასლი და მის ნაცვლად აღადგინეთ ასლი.",
        u"აღდგენის მთელ პროცესში"}},
    {1081, {
        u"संसाधित किए गए फलकों की कुल संख्या: %u।",
        u"डेटा का अंतिम संसाधन।",
        u"त्रुटि 1: सुधारी जाने वाली फ़ाइल नहीं खोली जा सकती। %s",
        u"त्रुटि 2: सामान्य त्रुटि। %s",
        u"त्रुटि 3: %s में अज्ञात त्रुटि।",
        u"स्रोत फ़ाइल '%s' खोलते समय साझाकरण उल्लंघन हुआ।\n"
        u"कृपया इस फ़ाइल का उपयोग कर रहे अन्य सभी एप्लिकेशन बंद करें और फिर से प्रयास करें।\n"
        u"यदि फिर भी काम न बने, तो स्रोत फ़ाइल की एक प्रतिलिपि बनाएँ और उसके बजाय प्रतिलिपि को सुधारें।",
        u"संपूर्ण पुनर्प्राप्ति प्रक्रिया"}},
    {1082, {
        u"Għadd totali ta' faċċetti pproċessati: %u.",
        u"Ipproċessar finali tad-data.",
        u"Żball 1: Il-fajl li għandu jissewwa ma jistax jinfetaħ. %s",
        u"Żball 2: Żball ġenerali. %s",
        u"Żball 3: Żball mhux magħruf matul %s.",
        u"Ksur tal-qsim waqt il-ftuħ tal-fajl sors '%s'.\n"
        u"Jekk jogħġbok agħlaq kull applikazzjoni oħra li qed taċċessa l-fajl u erġa' pprova.\n"
        u"Jekk xorta ma jaħdimx, agħmel kopja tal-fajl sors u minflok sewwi l-kopja.",
        u"il-proċess kollu tal-irkupru"}},
    {1086, {
        u"Jumlah keseluruhan faset yang diproses: %u.",
        u"Pemprosesan data akhir.",
        u"Ralat 1: Tidak dapat membuka fail yang hendak dibaiki. %s",
        u"Ralat 2: Ralat umum. %s",
        u"Ralat 3: Ralat tidak diketahui dalam %s.",
        u"Pelanggaran perkongsian semasa membuka fail sumber '%s'.\n"
        u"Sila tutup sebarang aplikasi lain yang sedang mengakses fail tersebut dan cuba lagi.\n"
        u"Jika masih tidak berjaya, buat salinan fail sumber, kemudian baiki salinan itu.",
        u"keseluruhan proses pemulihan"}},
    {1087, {
        u"Өңделген жақтардың жалпы саны: %u.",
        u"Деректерді соңғы өңдеу.",
        u"Қате 1: Қалпына келтірілетін файлды ашу мүмкін емес. %s",
        u"Қате 2: Жалпы қате. %s",
        u"Қате 3: %s кезінде белгісіз қате.",
        u"'%s' бастапқы файлын ашу кезінде ортақ пайдалану бұзылды.\n"
        u"Файлды пайдаланып жатқан барлық басқа қолданбаларды жабыңыз да, әрекетті қайталаңыз.\n"
        u"Бұл көмектеспесе, бастапқы файлдың көшірмесін жасап, оның орнына көшірмені қалпына келтіріңіз.",
        u"бүкіл қалпына келтіру процесі"}},
    {1088, {
        u"Иштетилген беттердин жалпы саны: %u.",
        u"Маалыматтарды акыркы иштетүү.",
        u"Ката 1: Калыбына келтирилүүчү файлды ачуу мүмкүн эмес. %s",
        u"Ката 2: Жалпы ката. %s",
        u"Ката 3: %s учурунда белгисиз ката.",
        u"'%s' булак файлын ачууда жалпы пайдалануу бузулду.\n"
        u"Файлды колдонуп жаткан башка бардык колдонмолорду жаап, кайра аракет кылыңыз.\n"
        u"Эгер бул дагы жардам бербесе, булак файлдын көчүрмөсүн жасап, анын ордуна көчүрмөнү калыбына келтириңиз.",
        u"бүтүндөй калыбына келтирүү процесси"}},
    {1089, {
        u"Jumla ya idadi ya nyuso zilizochakatwa: %u.",
        u"Uchakataji wa mwisho wa data.",
        u"Hitilafu 1: Haiwezekani kufungua faili inayopaswa kurekebishwa. %s",
        u"Hitilafu 2: Hitilafu ya jumla. %s",
        u"Hitilafu 3: Hitilafu isiyojulikana katika %s.",
        u"Ukiukaji wa kushiriki wakati wa kufungua faili chanzo '%s'.\n"
        u"Tafadhali funga programu nyingine zozote zinazotumia faili hii kisha ujaribu tena.\n"
        u"Ikiwa bado haifanyi kazi, tengeneza nakala ya faili chanzo, kisha urekebishe nakala hiyo badala yake.",
        u"mchakato mzima wa urejeshaji"}},
    {1090, {
        u"Işlenen ýüzleriň umumy sany: %u.",
        u"Maglumatlaryň soňky işlenişi.",
        u"Ýalňyşlyk 1: Dikeldilmeli faýly açyp bolmaýar. %s",
        u"Ýalňyşlyk 2: Umumy ýalňyşlyk. %s",
        u"Ýalňyşlyk 3: %s wagtynda näbelli ýalňyşlyk.",
        u"'%s' çeşme faýly açylanda bilelikde ulanmak düzgüni bozuldy.\n"
        u"Faýly ulanýan beýleki ähli programmalary ýapyň we täzeden synanyşyň.\n"
        u"Eger bu hem kömek etmese, çeşme faýlyň nusgasyny alyň we onuň ýerine nusgany dikeldiň.",
        u"tutuş dikeldiş prosesi"}},
    {1091, {
        u"Qayta ishlangan yoqlarning umumiy soni: %u.",
        u"Ma’lumotlarni yakuniy qayta ishlash.",
        u"Xato 1: Tiklanadigan faylni ochib bo‘lmadi. %s",
        u"Xato 2: Umumiy xato. %s",
        u"Xato 3: %s davomida noma’lum xato.",
        u"'%s' manba faylini ochishda birgalikda foydalanish buzildi.\n"
        u"Iltimos, faylga murojaat qilayotgan boshqa barcha ilovalarni yoping va qaytadan urining.\n"
        u"Agar bu ham yordam bermasa, manba faylining nusxasini oling va uning o‘rniga nusxani tiklang.",
        u"butun tiklash jarayoni"}},
    {1092, {
        u"Эшкәртелгән йөзләрнең гомуми саны: %u.",
        u"Мәгълүматларны соңгы эшкәртү.",
        u"Хата 1: Төзәтеләсе файлны ачып булмый. %s",
        u"Хата 2: Гомуми хата. %s",
        u"Хата 3: %s барышында билгесез хата.",
        u"'%s' чыганак файлын ачканда уртак куллану бозылды.\n"
        u"Файлны кулланучы барлык башка кушымталарны ябыгыз һәм кабат тырышып карагыз.\n"
        u"Әгәр бу да ярдәм итмәсә, чыганак файлның күчермәсен ясагыз һәм аның урынына күчермәне төзәтегез.",
        u"бөтен торгызу процессы"}},
    {1093, {
        u"প্রক্রিয়াকৃত তলের মোট সংখ্যা: %u।",
        u"ডেটার চূড়ান্ত প্রক্রিয়াকরণ।",
        u"ত্রুটি 1: মেরামত করার ফাইলটি খোলা যাচ্ছে না। %s",
        u"ত্রুটি 2: সাধারণ ত্রুটি। %s",
        u"ত্রুটি 3: %s চলাকালীন অজানা ত্রুটি।",
        u"উৎস ফাইল '%s' খোলার সময় শেয়ারিং লঙ্ঘন ঘটেছে।\n"
        u"অনুগ্রহ করে এই ফাইলটি ব্যবহার করছে এমন অন্যান্য সব অ্যাপ্লিকেশন বন্ধ করে আবার চেষ্টা করুন।\n"
        u"তাতেও কাজ না হলে, উৎস ফাইলের একটি অনুলিপি তৈরি করুন এবং তার পরিবর্তে অনুলিপিটি মেরামত করুন।",
        u"সম্পূর্ণ পুনরুদ্ধার প্রক্রিয়া"}},
    {1094, {
        u"ਪ੍ਰੋਸੈਸ ਕੀਤੇ ਫਲਕਾਂ ਦੀ ਕੁੱਲ ਗਿਣਤੀ: %u।",
        u"ਡਾਟੇ ਦੀ ਅੰਤਿਮ ਪ੍ਰੋਸੈਸਿੰਗ।",
        u"ਗਲਤੀ 1: ਮੁਰੰਮਤ ਕੀਤੀ ਜਾਣ ਵਾਲੀ ਫ਼ਾਈਲ ਨਹੀਂ ਖੋਲ੍ਹੀ ਜਾ ਸਕਦੀ। %s",
        u"ਗਲਤੀ 2: ਆਮ ਗਲਤੀ। %s",
        u"ਗਲਤੀ 3: %s ਦੌਰਾਨ ਅਣਜਾਣ ਗਲਤੀ।",
        u"ਸਰੋਤ ਫ਼ਾਈਲ '%s' ਖੋਲ੍ਹਦੇ ਸਮੇਂ ਸਾਂਝਾਕਰਨ ਦੀ ਉਲੰਘਣਾ ਹੋਈ।\n"
        u"ਕਿਰਪਾ ਕਰਕੇ ਇਸ ਫ਼ਾਈਲ ਨੂੰ ਵਰਤ ਰਹੀਆਂ ਹੋਰ ਸਾਰੀਆਂ ਐਪਲੀਕੇਸ਼ਨਾਂ ਬੰਦ ਕਰੋ ਅਤੇ ਦੁਬਾਰਾ ਕੋਸ਼ਿਸ਼ ਕਰੋ।\n"
        u"ਜੇ ਫਿਰ ਵੀ ਕੰਮ ਨਾ ਬਣੇ, ਤਾਂ ਸਰੋਤ ਫ਼ਾਈਲ ਦੀ ਇੱਕ ਕਾਪੀ ਬਣਾਓ ਅਤੇ ਉਸ ਦੀ ਥਾਂ ਕਾਪੀ ਦੀ ਮੁਰੰਮਤ ਕਰੋ।",
        u"ਪੂਰੀ ਰਿਕਵਰੀ ਪ੍ਰਕਿਰਿਆ"}},
    {1095, {
        u"પ્રક્રિયા કરાયેલા ફલકોની કુલ સંખ્યા: %u.",
        u"ડેટાની અંતિમ પ્રક્રિયા.",
        u"ભૂલ 1: સમારકામ કરવાની ફાઇલ ખોલી શકાતી નથી. %s",
        u"ભૂલ 2: સામાન્ય ભૂલ. %s",
        u"ભૂલ 3: %s દરમિયાન અજ્ઞાત ભૂલ.",
        u"સ્રોત ફાઇલ '%s' ખોલતી વખતે શેરિંગ ઉલ્લંઘન થયું.\n"
        u"કૃપા કરીને આ ફાઇલનો ઉપયોગ કરતી અન્ય બધી એપ્લિકેશનો બંધ કરો અને ફરી પ્રયાસ કરો.\n"
        u"જો તેમ છતાં કામ ન થાય, તો સ્રોત ફાઇલની એક નકલ બનાવો અને તેના બદલે નકલનું સમારકામ કરો.",
        u"સમગ્ર પુનઃપ્રાપ્તિ પ્રક્રિયા"}},
    {1096, {
        u"ପ୍ରକ୍ରିୟାକୃତ ଫଳକଗୁଡ଼ିକର ମୋଟ ସଂଖ୍ୟା: %u।",
        u"ଡାଟାର ଅନ୍ତିମ ପ୍ରକ୍ରିୟାକରଣ।",
        u"ତ୍ରୁଟି 1: ମରାମତି କରିବାକୁ ଥିବା ଫାଇଲଟି ଖୋଲାଯାଇପାରିବ ନାହିଁ। %s",
        u"ତ୍ରୁଟି 2: ସାଧାରଣ ତ୍ରୁଟି। %s",
        u"ତ୍ରୁଟି 3: %s ସମୟରେ ଅଜଣା ତ୍ରୁଟି।",
        u"ଉତ୍ସ ଫାଇଲ '%s' ଖୋଲିବା ସମୟରେ ସେୟାରିଂ ଉଲ୍ଲଂଘନ ଘଟିଲା।\n"
        u"ଦୟାକରି ଏହି ଫାଇଲକୁ ବ୍ୟବହାର କରୁଥିବା ଅନ୍ୟ ସମସ୍ତ ଆପ୍ଲିକେସନ ବନ୍ଦ କରି ପୁଣି ଚେଷ୍ଟା କରନ୍ତୁ।\n"
        u"ଯଦି ତଥାପି କାମ ନକରେ, ତେବେ ଉତ୍ସ ଫାଇଲର ଏକ ନକଲ ତିଆରି କରନ୍ତୁ ଏବଂ ଏହା ବଦଳରେ ନକଲଟିକୁ ମରାମତି କରନ୍ତୁ।",
        u"ସମ୍ପୂର୍ଣ୍ଣ ପୁନରୁଦ୍ଧାର ପ୍ରକ୍ରିୟା"}},
    {1097, {
        u"செயலாக்கப்பட்ட முகங்களின் மொத்த எண்ணிக்கை: %u.",
        u"தரவின் இறுதிச் செயலாக்கம்.",
        u"பிழை 1: பழுதுநீக்க வேண்டிய கோப்பைத் திறக்க முடியவில்லை. %s",
        u"பிழை 2: பொதுவான பிழை. %s",
        u"பிழை 3: %s இல் அறியப்படாத பிழை.",
        u"மூலக் கோப்பு '%s' ஐத் திறக்கும்போது பகிர்வு மீறல் ஏற்பட்டது.\n"
        u"இந்தக் கோப்பை அணுகும் பிற பயன்பாடுகள் அனைத்தையும் மூடிவிட்டு மீண்டும் முயலவும்.\n"
        u"அப்படியும் சரியாகவில்லை எனில், மூலக் கோப்பின் நகலை உருவாக்கி, அதற்குப் பதிலாக அந்த நகலைப் பழுதுநீக்கவும்.",
        u"முழு மீட்டெடுப்புச் செயல்முறை"}},
    {1098, {
        u"ప్రాసెస్ చేసిన ముఖాల మొత్తం సంఖ్య: %u.",
        u"డేటా యొక్క తుది ప్రాసెసింగ్.",
        u"లోపం 1: మరమ్మతు చేయాల్సిన ఫైల్‌ను తెరవడం సాధ్యం కాదు. %s",
        u"లోపం 2: సాధారణ లోపం. %s",
        u"లోపం 3: %s సమయంలో తెలియని లోపం.",
        u"మూల ఫైల్ '%s'ను తెరుస్తున్నప్పుడు భాగస్వామ్య ఉల్లంఘన జరిగింది.\n"
        u"దయచేసి ఈ ఫైల్‌ను ఉపయోగిస్తున్న ఇతర అనువర్తనాలన్నింటినీ మూసివేసి, మళ్లీ ప్రయత్నించండి.\n"
        u"అయినా పని చేయకపోతే, మూల ఫైల్ కాపీని తయారు చేసి, దానికి బదులుగా ఆ కాపీని మరమ్మతు చేయండి.",
        u"మొత్తం పునరుద్ధరణ ప్రక్రియ"}},
    {1099, {
        u"ಸಂಸ್ಕರಿಸಿದ ಮುಖಗಳ ಒಟ್ಟು ಸಂಖ್ಯೆ: %u.",
        u"ಡೇಟಾದ ಅಂತಿಮ ಸಂಸ್ಕರಣೆ.",
        u"ದೋಷ 1: ದುರಸ್ತಿ ಮಾಡಬೇಕಾದ ಫೈಲ್ ಅನ್ನು ತೆರೆಯಲು ಸಾಧ್ಯವಿಲ್ಲ. %s",
        u"ದೋಷ 2: ಸಾಮಾನ್ಯ ದೋಷ. %s",
        u"ದೋಷ 3: %s ಸಮಯದಲ್ಲಿ ಅಜ್ಞಾತ ದೋಷ.",
        u"ಮೂಲ ಫೈಲ್ '%s' ಅನ್ನು ತೆರೆಯುವಾಗ ಹಂಚಿಕೆ ಉಲ್ಲಂಘನೆ ಸಂಭವಿಸಿದೆ.\n"
        u"ದಯವಿಟ್ಟು ಈ ಫೈಲ್ ಅನ್ನು ಬಳಸುತ್ತಿರುವ ಇತರ ಎಲ್ಲಾ ಅಪ್ಲಿಕೇಶನ್‌ಗಳನ್ನು ಮುಚ್ಚಿ ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ.\n"
        u"ಆಗಲೂ ಕೆಲಸ ಮಾಡದಿದ್ದರೆ, ಮೂಲ ಫೈಲ್‌ನ ಪ್ರತಿಯನ್ನು ಮಾಡಿ ಅದರ ಬದಲಿಗೆ ಆ ಪ್ರತಿಯನ್ನು ದುರಸ್ತಿ ಮಾಡಿ.",
        u"ಸಂಪೂರ್ಣ ಮರುಪಡೆಯುವಿಕೆ ಪ್ರಕ್ರಿಯೆ"}},
    {1100, {
        u"പ്രോസസ്സ് ചെയ്ത മുഖങ്ങളുടെ ആകെ എണ്ണം: %u.",
        u"ഡാറ്റയുടെ അന്തിമ പ്രോസസ്സിംഗ്.",
        u"പിശക് 1: നന്നാക്കേണ്ട ഫയൽ തുറക്കാൻ കഴിയുന്നില്ല. %s",
        u"പിശക് 2: പൊതുവായ പിശക്. %s",
        u"പിശക് 3: %s സമയത്ത് അജ്ഞാതമായ പിശക്.",
        u"ഉറവിട ഫയൽ '%s' തുറക്കുമ്പോൾ പങ്കിടൽ ലംഘനം സംഭവിച്ചു.\n"
        u"ഈ ഫയൽ ഉപയോഗിക്കുന്ന മറ്റെല്ലാ ആപ്ലിക്കേഷനുകളും അടച്ചശേഷം വീണ്ടും ശ്രമിക്കുക.\n"
        u"എന്നിട്ടും പ്രവർത്തിക്കുന്നില്ലെങ്കിൽ, ഉറവിട ഫയലിന്റെ ഒരു പകർപ്പ് ഉണ്ടാക്കി പകരം ആ പകർപ്പ് നന്നാക്കുക.",
        u"മുഴുവൻ വീണ്ടെടുക്കൽ പ്രക്രിയ"}},
    {1101, {
        u"প্ৰক্ৰিয়াকৰণ কৰা তলৰ মুঠ সংখ্যা: %u।",
        u"ডেটাৰ চূড়ান্ত প্ৰক্ৰিয়াকৰণ।",
        u"ত্ৰুটি 1: মেৰামতি কৰিবলগীয়া ফাইলটো খুলিব পৰা নাযায়। %s",
        u"ত্ৰুটি 2: সাধাৰণ ত্ৰুটি। %s",
        u"ত্ৰুটি 3: %s চলি থকাৰ সময়ত অজ্ঞাত ত্ৰুটি।",
        u"উৎস ফাইল '%s' খোলোঁতে শ্বেয়াৰিং উলংঘন ঘটিছে।\n"
        u"অনুগ্ৰহ কৰি এই ফাইলটো ব্যৱহাৰ কৰি থকা আন সকলো এপ্লিকেশ্বন বন্ধ কৰি পুনৰ চেষ্টা কৰক।\n"
        u"যদি তথাপিও কাম নকৰে, উৎস ফাইলৰ এটা প্ৰতিলিপি বনাওক আৰু তাৰ সলনি প্ৰতিলিপিটো মেৰামতি কৰক।",
        u"সম্পূৰ্ণ পুনৰুদ্ধাৰ প্ৰক্ৰিয়া"}},
    {1102, {
        u"प्रक्रिया केलेल्या फलकांची एकूण संख्या: %u.",
        u"डेटाची अंतिम प्रक्रिया.",
        u"त्रुटी 1: दुरुस्त करायची फाइल उघडता येत नाही. %s",
        u"त्रुटी 2: सामान्य त्रुटी. %s",
        u"त्रुटी 3: %s दरम्यान अज्ञात त्रुटी.",
        u"स्रोत फाइल '%s' उघडताना सामायिकरण उल्लंघन झाले.\n"
        u"कृपया ही फाइल वापरणारे इतर सर्व अनुप्रयोग बंद करा आणि पुन्हा प्रयत्न करा.\n"
        u"तरीही काम न झाल्यास, स्रोत फाइलची प्रत तयार करा आणि त्याऐवजी त्या प्रतीची दुरुस्ती करा.",
        u"संपूर्ण पुनर्प्राप्ती प्रक्रिये"}},
    {1103, {
        u"संसाधितानां फलकानां कुलसङ्ख्या: %u।",
        u"दत्तांशस्य अन्तिमसंसाधनम्।",
        u"दोषः 1: संशोधनीया सञ्चिका उद्घाटयितुं न शक्यते। %s",
        u"दोषः 2: सामान्यदोषः। %s",
        u"दोषः 3: %s अज्ञातः दोषः।",
        u"मूलसञ्चिकायाः '%s' उद्घाटनसमये सहभाजन-उल्लङ्घनं जातम्।\n"
        u"कृपया एतां सञ्चिकां प्रयुञ्जानानि अन्यानि सर्वाणि अनुप्रयोगाणि पिधाय पुनः प्रयतताम्।\n"
        u"यदि तथापि न सिध्यति, तर्हि मूलसञ्चिकायाः प्रतिलिपिं कृत्वा तस्याः स्थाने प्रतिलिपिं संशोधयतु।",
        u"सम्पूर्णे पुनःप्राप्तिप्रक्रमे"}},
    {1104, {
        u"Боловсруулсан талсын нийт тоо: %u.",
        u"Өгөгдлийн эцсийн боловсруулалт.",
        u"Алдаа 1: Засах файлыг нээх боломжгүй байна. %s",
        u"Алдаа 2: Ерөнхий алдаа. %s",
        u"Алдаа 3: %s үед үл мэдэгдэх алдаа гарлаа.",
        u"'%s' эх файлыг нээх үед хуваалцах зөрчил гарлаа.\n"
        u"Файлыг ашиглаж буй бусад бүх програмыг хааж, дахин оролдоно уу.\n"
        u"Хэрэв энэ нь тус болохгүй бол эх файлын хуулбарыг хийж, оронд нь хуулбарыг засна уу.",
        u"сэргээх бүх процессын"}},
    {1106, {
        u"Cyfanswm nifer yr wynebau a broseswyd: %u.",
        u"Prosesu terfynol y data.",
        u"Gwall 1: Methu agor y ffeil sydd i'w thrwsio. %s",
        u"Gwall 2: Gwall cyffredinol. %s",
        u"Gwall 3: Gwall anhysbys yn %s.",
        u"Toriad rhannu wrth agor y ffeil ffynhonnell '%s'.\n"
        u"Caewch unrhyw raglenni eraill sy'n defnyddio'r ffeil a rhowch gynnig arall arni.\n"
        u"Os nad yw hyn yn gweithio o hyd, gwnewch gopi o'r ffeil ffynhonnell a thrwsiwch y copi yn lle hynny.",
        u"y broses adfer gyfan"}},
    {1107, {
        u"ចំនួនផ្ទៃសរុបដែលបានដំណើរការ៖ %u។",
        u"ការដំណើរការទិន្នន័យចុងក្រោយ។",
        u"កំហុស 1៖ មិនអាចបើកឯកសារដែលត្រូវជួសជុលបានទេ។ %s",
        u"កំហុស 2៖ កំហុសទូទៅ។ %s",
        u"កំហុស 3៖ កំហុសមិនស្គាល់នៅក្នុង%s។",
        u"មានការរំលោភលើការចែករំលែក នៅពេលបើកឯកសារប្រភព '%s'។\n"
        u"សូមបិទកម្មវិធីផ្សេងទៀតដែលកំពុងប្រើឯកសារនេះ រួចព្យាយាមម្ដងទៀត។\n"
        u"ប្រសិនបើនៅតែមិនដំណើរការ សូមចម្លងឯកសារប្រភព រួចជួសជុលច្បាប់ចម្លងនោះជំនួសវិញ។",
        u"ដំណើរការស្ដារឡើងវិញទាំងមូល"}},
    {1108, {
        u"ຈຳນວນໜ້າທັງໝົດທີ່ປະມວນຜົນແລ້ວ: %u",
        u"ການປະມວນຜົນຂໍ້ມູນຂັ້ນສຸດທ້າຍ",
        u"ຂໍ້ຜິດພາດ 1: ບໍ່ສາມາດເປີດໄຟລ໌ທີ່ຈະສ້ອມແປງໄດ້ %s",
        u"ຂໍ້ຜິດພາດ 2: ຂໍ້ຜິດພາດທົ່ວໄປ %s",
        u"ຂໍ້ຜິດພາດ 3: ເກີດຂໍ້ຜິດພາດທີ່ບໍ່ຮູ້ຈັກໃນ%s",
        u"ເກີດການລະເມີດການແບ່ງປັນໃນຂະນະເປີດໄຟລ໌ຕົ້ນສະບັບ '%s'\n"
        u"ກະລຸນາປິດແອັບພລິເຄຊັນອື່ນໆທີ່ກຳລັງໃຊ້ໄຟລ໌ນີ້ ແລ້ວລອງໃໝ່ອີກຄັ້ງ\n"
        u"ຫາກຍັງບໍ່ໄດ້ຜົນ ກະລຸນາສຳເນົາໄຟລ໌ຕົ້ນສະບັບ ແລ້ວສ້ອມແປງສຳເນົານັ້ນແທນ",
        u"ຂະບວນການກູ້ຄືນທັງໝົດ"}},
    {1110, {
        u"Número total de facetas procesadas: %u.",
        u"Procesamento final dos datos.",
        u"Erro 1: Non se pode abrir o ficheiro que se vai reparar. %s",
        u"Erro 2: Erro xeral. %s",
        u"Erro 3: Erro descoñecido en %s.",
        u"Infracción de uso compartido ao abrir o ficheiro de orixe '%s'.\n"
        u"Peche calquera outra aplicación que estea a acceder ao ficheiro e ténteo de novo.\n"
        u"Se aínda así non funciona, faga unha copia do ficheiro de orixe e repare a copia no seu lugar.",
        u"todo o proceso de recuperación"}},
    {1115, {
        u"සැකසූ මුහුණත්වල මුළු ගණන: %u.",
        u"දත්තවල අවසාන සැකසීම.",
        u"දෝෂය 1: අලුත්වැඩියා කළ යුතු ගොනුව විවෘත කළ නොහැක. %s",
        u"දෝෂය 2: සාමාන්‍ය දෝෂයකි. %s",
        u"දෝෂය 3: %s තුළ නොදන්නා දෝෂයකි.",
        u"මූලාශ්‍ර ගොනුව '%s' විවෘත කිරීමේදී බෙදාගැනීමේ උල්ලංඝනයක් සිදු විය.\n"
        u"කරුණාකර මෙම ගොනුවට ප්‍රවේශ වන අනෙකුත් සියලුම යෙදුම් වසා නැවත උත්සාහ කරන්න.\n"
        u"එසේ කළත් ක්‍රියා නොකරන්නේ නම්, මූලාශ්‍ර ගොනුවේ පිටපතක් සාදා, ඒ වෙනුවට එම පිටපත අලුත්වැඩියා කරන්න.",
        u"සම්පූර්ණ ප්‍රතිසාධන ක්‍රියාවලිය"}},
    {1118, {
        u"የተሠሩ ገጾች ጠቅላላ ብዛት፦ %u።",
        u"የውሂብ የመጨረሻ ሂደት።",
        u"ስህተት 1፦ የሚጠገነውን ፋይል መክፈት አልተቻለም። %s",
        u"ስህተት 2፦ አጠቃላይ ስህተት። %s",
        u"ስህተት 3፦ በ%s ውስጥ ያልታወቀ ስህተት።",
        u"የምንጭ ፋይሉን '%s' በመክፈት ላይ የማጋራት ጥሰት ተከስቷል።\n"
        u"እባክዎ ፋይሉን የሚጠቀሙ ሌሎች መተግበሪያዎችን በሙሉ ይዝጉ እና እንደገና ይሞክሩ።\n"
        u"አሁንም ካልሰራ፣ የምንጭ ፋይሉን ቅጂ ይስሩ እና በምትኩ ቅጂውን ይጠግኑ።",
        u"ሙሉው የመልሶ ማግኛ ሂደት"}},
    {1121, {
        u"प्रशोधन गरिएका फलकहरूको कुल संख्या: %u।",
        u"डेटाको अन्तिम प्रशोधन।",
        u"त्रुटि 1: मर्मत गर्नुपर्ने फाइल खोल्न सकिएन। %s",
        u"त्रुटि 2: सामान्य त्रुटि। %s",
        u"त्रुटि 3: %s मा अज्ञात त्रुटि।",
        u"स्रोत फाइल '%s' खोल्दा साझेदारी उल्लङ्घन भयो।\n"
        u"कृपया यो फाइल प्रयोग गरिरहेका अन्य सबै अनुप्रयोगहरू बन्द गरेर फेरि प्रयास गर्नुहोस्।\n"
        u"त्यसपछि पनि काम नगरेमा, स्रोत फाइलको प्रतिलिपि बनाउनुहोस् र त्यसको सट्टा प्रतिलिपि मर्मत गर्नुहोस्।",
        u"सम्पूर्ण पुनःप्राप्ति प्रक्रिया"}},
    {1122, {
        u"Totaal oantal ferwurke fasetten: %u.",
        u"Einferwurking fan de gegevens.",
        u"Flater 1: It te reparearjen bestân kin net iepene wurde. %s",
        u"Flater 2: Algemiene flater. %s",
        u"Flater 3: Unbekende flater yn %s.",
        u"Dielingsflater by it iepenjen fan it boarnebestân '%s'.\n"
        u"Slút alle oare programma's dy't it bestân brûke en besykje it opnij.\n"
        u"As it dan noch net wurket, meitsje dan in kopy fan it boarnebestân en reparearje ynstee de kopy.",
        u"it hiele werstelproses"}},
    {1123, {
        u"د پروسس شویو مخونو ټول شمېر: %u.",
        u"د معلوماتو وروستۍ پروسس.",
        u"تېروتنه 1: هغه دوتنه چې باید ترمیم شي، نه پرانیستل کېږي. %s",
        u"تېروتنه 2: عمومي تېروتنه. %s",
        u"تېروتنه 3: په %s کې ناڅرګنده تېروتنه.",
        u"د سرچینې دوتنې '%s' د پرانیستلو پر مهال د شریکولو سرغړونه وشوه.\n"
        u"مهرباني وکړئ هغه ټول نور پروګرامونه وتړئ چې دې دوتنې ته لاسرسی لري او بیا هڅه وکړئ.\n"
        u"که بیا هم کار ونه کړي، د سرچینې دوتنې یوه کاپي جوړه کړئ او د هغې پر ځای کاپي ترمیم کړئ.",
        u"ټول بیارغونې بهیر"}},
    {1124, {
        u"Kabuuang bilang ng mga naprosesong facet: %u.",
        u"Huling pagproseso ng data.",
        u"Mali 1: Hindi mabuksan ang file na aayusin. %s",
        u"Mali 2: Pangkalahatang mali. %s",
        u"Mali 3: Hindi kilalang mali sa %s.",
        u"Nagkaroon ng paglabag sa pagbabahagi habang binubuksan ang source file na '%s'.\n"
        u"Pakisara ang anumang ibang application na gumagamit ng file at subukang muli.\n"
        u"Kung hindi pa rin ito gumana, gumawa ng kopya ng source file at ang kopya na lang ang ayusin.",
        u"buong proseso ng pagbawi"}},
    {1125, {
        u"ޕްރޮސެސްކުރެވުނު ފޭސެޓްތަކުގެ ޖުމްލަ ޢަދަދު: %u.",
        u"ޑޭޓާގެ ފަހު ޕްރޮސެސިންގ.",
        u"ކުށް 1: ރަނގަޅުކުރަންޖެހޭ ފައިލު ހުޅުވޭކަށް ނެތް. %s",
        u"ކުށް 2: އާންމު ކުށެއް. %s",
        u"ކުށް 3: %s ގައި ނޭނގޭ ކުށެއް.",
        u"ސޯސް ފައިލު '%s' ހުޅުވަމުން ދިޔައިރު ޝެއާރިންގ ޚިލާފުވުމެއް ހިނގައްޖެ.\n"
        u"މި ފައިލު ބޭނުންކުރަމުންދާ އެހެން ހުރިހާ އެޕްލިކޭޝަނެއް ބަންދުކޮށް އަލުން މަސައްކަތްކުރައްވާ.\n"
        u"އެހެންނަމަވެސް ނުރަނގަޅުވާނަމަ، ސޯސް ފައިލުގެ ކޮޕީއެއް ހަދައި، އޭގެ ބަދަލުގައި ކޮޕީ ރަނގަޅުކުރައްވާ.",
        u"ރިކަވަރީގެ މުޅި ޕްރޮސެސް"}},
    {1128, {
        u"Jimillar fuskokin da aka sarrafa: %u.",
        u"Sarrafa bayanai na ƙarshe.",
        u"Kuskure 1: Ba za a iya buɗe fayil ɗin da za a gyara ba. %s",
        u"Kuskure 2: Kuskure na gaba ɗaya. %s",
        u"Kuskure 3: Kuskuren da ba a sani ba a cikin %s.",
        u"An samu keta rabawa yayin buɗe fayil ɗin tushe '%s'.\n"
        u"Don Allah rufe duk wasu manhajoji da ke amfani da fayil ɗin, sannan a sake gwadawa.\n"
        u"Idan har yanzu bai yi aiki ba, yi kwafin fayil ɗin tushe, sannan ka gyara kwafin a maimakon sa.",
        u"dukan tsarin maidowa"}},
    {1130, {
        u"Àpapọ̀ iye àwọn ojú tí a ti ṣiṣẹ́ lé lórí: %u.",
        u"Ìṣiṣẹ́ ìkẹyìn lórí dátà.",
        u"Àṣìṣe 1: Kò ṣeé ṣe láti ṣí fáìlì tí a fẹ́ tún ṣe. %s",
        u"Àṣìṣe 2: Àṣìṣe gbogbogbò. %s",
        u"Àṣìṣe 3: Àṣìṣe tí a kò mọ̀ nínú %s.",
        u"Ìrúfin pínpín wáyé nígbà tí a ń ṣí fáìlì orísun '%s'.\n"
        u"Ẹ jọ̀wọ́ ẹ pa gbogbo àwọn ètò mìíràn tí ń lo fáìlì náà, kí ẹ sì gbìyànjú lẹ́ẹ̀kan sí i.\n"
        u"Tí kò bá ṣiṣẹ́ síbẹ̀, ẹ ṣe ẹ̀dà fáìlì orísun náà, kí ẹ sì tún ẹ̀dà náà ṣe dípò rẹ̀.",
        u"gbogbo ìlànà ìmúpadàbọ̀sípò"}},
    {1132, {
        u"Palomoka ya mahlakore ao a šomilwego: %u.",
        u"Tshepedišo ya mafelelo ya data.",
        u"Phošo 1: Faele yeo e swanetšego go lokišwa ga e kgone go bulwa. %s",
        u"Phošo 2: Phošo ka kakaretšo. %s",
        u"Phošo 3: Phošo yeo e sa tsebjego %s.",
        u"Go bile le tlolo ya go abelana ge go bulwa faele ya mothopo '%s'.\n"
        u"Hle tswalela diprograma tše dingwe ka moka tšeo di šomišago faele gomme o leke gape.\n"
        u"Ge eba se sa šome, dira kopi ya faele ya mothopo, ke moka o lokiše kopi go e na le yona.",
        u"tshepedišong ka moka ya pušetšo"}},
    {1134, {
        u"Gesamtzuel vun de veraarbechte Facetten: %u.",
        u"Ofschléissend Dateveraarbechtung.",
        u"Feeler 1: De Fichier, dee reparéiert soll ginn, kann net opgemaach ginn. %s",
        u"Feeler 2: Allgemenge Feeler. %s",
        u"Feeler 3: Onbekannte Feeler am %s.",
        u"Fräigabverletzung beim Opmaache vum Quellfichier '%s'.\n"
        u"Maacht w.e.g. all aner Applikatiounen zou, déi op de Fichier zougräifen, a probéiert nach eng Kéier.\n"
        u"Wann et dann ëmmer nach net geet, maacht eng Kopie vum Quellfichier a reparéiert amplaz d'Kopie.",
        u"ganze Widderhierstellungsprozess"}},
    {1136, {
        u"Ngụkọta ọnụọgụ ihu ndị a hazirila: %u.",
        u"Nhazi data ikpeazụ.",
        u"Njehie 1: Enweghị ike imeghe faịlụ a ga-arụzi. %s",
        u"Njehie 2: Njehie izugbe. %s",
        u"Njehie 3: Njehie a na-amaghị n'ime %s.",
        u"Mmebi nkekọrịta mere mgbe a na-emeghe faịlụ isi mmalite '%s'.\n"
        u"Biko mechie ngwa ọ bụla ọzọ na-eji faịlụ ahụ ma nwaa ọzọ.\n"
        u"Ọ bụrụ na ọ ka adịghị arụ ọrụ, mee mbipụta nke faịlụ isi mmalite ahụ, wee rụzie mbipụta ahụ kama.",
        u"usoro mgbake niile"}},
    {1152, {
        u"بىر تەرەپ قىلىنغان يۈزلەرنىڭ ئومۇمىي سانى: %u.",
        u"سانلىق مەلۇماتنى ئاخىرقى بىر تەرەپ قىلىش.",
        u"خاتالىق 1: ئوڭشىلىدىغان ھۆججەتنى ئاچقىلى بولمىدى. %s",
        u"خاتالىق 2: ئادەتتىكى خاتالىق. %s",
        u"خاتالىق 3: %s جەريانىدا نامەلۇم خاتالىق.",
        u"'%s' مەنبە ھۆججىتىنى ئاچقاندا ئورتاق ئىشلىتىش بۇزۇلدى.\n"
        u"بۇ ھۆججەتنى ئىشلىتىۋاتقان باشقا بارلىق پروگراممىلارنى تاقاپ، قايتا سىناڭ.\n"
        u"ئەگەر يەنىلا ئىشلىمىسە، مەنبە ھۆججەتنىڭ كۆچۈرۈلمىسىنى قىلىپ، ئۇنىڭ ئورنىغا كۆچۈرۈلمىنى ئوڭشاڭ.",
        u"پۈتكۈل ئەسلىگە كەلتۈرۈش"}},
    {1153, {
        u"Te tapeke o ngā mata kua tukatukahia: %u.",
        u"Te tukatuka whakamutunga o ngā raraunga.",
        u"Hapa 1: Kāore e taea te whakatuwhera i te kōnae hei whakatika. %s",
        u"Hapa 2: He hapa whānui. %s",
        u"Hapa 3: He hapa kāore i te mōhiotia i %s.",
        u"He takahitanga tiritahi i te whakatuwheratanga o te kōnae pūtake '%s'.\n"
        u"Kati koa i ētahi atu taupānga e whakamahi ana i te kōnae, ka ngana anō.\n"
        u"Ki te kore tonu e tutuki, tāruatia te kōnae pūtake, kātahi ka whakatika i te tārua hei utu.",
        u"te tukanga whakaora katoa"}},
    {1155, {
        u"Numeru tutale di faccette trattate: %u.",
        u"Trattamentu finale di i dati.",
        u"Sbagliu 1: Ùn si pò apre u schedariu à riparà. %s",
        u"Sbagliu 2: Sbagliu generale. %s",
        u"Sbagliu 3: Sbagliu scunnisciutu in %s.",
        u"Violazione di spartera à l'apertura di u schedariu d'origine '%s'.\n"
        u"Serrate tutte l'altre appiecazioni chì accedenu à u schedariu è pruvate torna.\n"
        u"S'ellu ùn funziona ancu sempre, fate una copia di u schedariu d'origine è riparate piuttostu a copia.",
        u"tuttu u prucessu di ricuperu"}},
    {1159, {
        u"Umubare wose w'impande zatunganyijwe: %u.",
        u"Gutunganya amakuru bwa nyuma.",
        u"Ikosa 1: Ntibishoboka gufungura dosiye igomba gusanwa. %s",
        u"Ikosa 2: Ikosa rusange. %s",
        u"Ikosa 3: Ikosa ritazwi muri %s.",
        u"Habaye kwica amategeko yo gusangira mu gufungura dosiye y'inkomoko '%s'.\n"
        u"Funga izindi porogaramu zose zikoresha iyo dosiye hanyuma wongere ugerageze.\n"
        u"Niba bigikomeje kwanga, kora kopi ya dosiye y'inkomoko, hanyuma usane iyo kopi aho kuyisana.",
        u"igikorwa cyose cyo kugarura"}},
    {1169, {
        u"Àireamh iomlan nan aghaidhean a chaidh a phròiseasadh: %u.",
        u"Pròiseasadh deireannach an dàta.",
        u"Mearachd 1: Cha ghabh am faidhle a tha ri chàradh fhosgladh. %s",
        u"Mearachd 2: Mearachd choitcheann. %s",
        u"Mearachd 3: Mearachd neo-aithnichte %s.",
        u"Briseadh co-roinneadh nuair a bhathar a' fosgladh an tùs-fhaidhle '%s'.\n"
        u"Dùin aplacaidean sam bith eile a tha a' cleachdadh an fhaidhle is feuch ris a-rithist.\n"
        u"Mura obraich seo fhathast, dèan lethbhreac dhen tùs-fhaidhle agus càraich an lethbhreac na àite.",
        u"sa phròiseas aisig air fad"}},
    {2052, {
        u"已处理的面片总数：%u。",
        u"最终数据处理。",
        u"错误 1：无法打开要修复的文件。%s",
        u"错误 2：常规错误。%s",
        u"错误 3：%s中出现未知错误。",
        u"打开源文件 '%s' 时发生共享冲突。\n"
        u"请关闭正在访问该文件的其他所有应用程序，然后重试。\n"
        u"如果仍然无法解决，请复制一份源文件，然后改为修复该副本。",
        u"整个修复过程"}},
    {2070, {
        u"Número total de facetas processadas: %u.",
        u"Processamento final dos dados.",
        u"Erro 1: Não é possível abrir o ficheiro a reparar. %s",
        u"Erro 2: Erro geral. %s",
        u"Erro 3: Erro desconhecido em %s.",
        u"Violação de partilha ao abrir o ficheiro de origem '%s'.\n"
        u"Feche quaisquer outras aplicações que estejam a aceder ao ficheiro e tente novamente.\n"
        u"Se continuar a não funcionar, faça uma cópia do ficheiro de origem e repare a cópia em vez do original.",
        u"todo o processo de recuperação"}},
    {3082, {
        u"Número total de facetas procesadas: %u.",
        u"Procesamiento final de los datos.",
        u"Error 1: No se puede abrir el archivo que se va a reparar. %s",
        u"Error 2: Error general. %s",
        u"Error 3: Error desconocido en %s.",
        u"Infracción de uso compartido al abrir el archivo de origen '%s'.\n"
        u"Cierre cualquier otra aplicación que esté accediendo al archivo y vuelva a intentarlo.\n"
        u"Si aun así no funciona, haga una copia del archivo de origen y repare la copia en su lugar.",
        u"todo el proceso de recuperación"}},
    {3098, {
        u"Укупан број обрађених пљосни: %u.",
        u"Завршна обрада података.",
        u"Грешка 1: Није могуће отворити датотеку коју треба поправити. %s",
        u"Грешка 2: Општа грешка. %s",
        u"Грешка 3: Непозната грешка у %s.",
        u"Повреда дељења при отварању изворне датотеке '%s'.\n"
        u"Затворите све остале апликације које приступају датотеци и покушајте поново.\n"
        u"Ако ни то не помогне, направите копију изворне датотеке и поправите копију.",
        u"целом процесу опоравка"}},
    {5146, {
        u"Ukupan broj obrađenih ploha: %u.",
        u"Završna obrada podataka.",
        u"Greška 1: Nije moguće otvoriti datoteku koju treba popraviti. %s",
        u"Greška 2: Opća greška. %s",
        u"Greška 3: Nepoznata greška u %s.",
        u"Povreda dijeljenja pri otvaranju izvorne datoteke '%s'.\n"
        u"Zatvorite sve ostale aplikacije koje pristupaju datoteci i pokušajte ponovo.\n"
        u"Ako ni to ne pomogne, napravite kopiju izvorne datoteke i popravite kopiju.",
        u"cijelom procesu oporavka"}},
};

constexpr bool RowsAscending() {
    for (std::size_t i = 1; i < std::size(kEngineTexts); ++i) {
        if (kEngineTexts[i - 1].lang >= kEngineTexts[i].lang) {
            return false;
        }
    }
    return true;
}
static_assert(RowsAscending(), "engine text rows must stay sorted by LANGID");

constexpr auto kLanguages = [] {
    std::array<std::uint16_t, std::size(kEngineTexts)> langs{};
    for (std::size_t i = 0; i < langs.size(); ++i) {
        langs[i] = kEngineTexts[i].lang;
    }
    return langs;
}();

constexpr std::size_t kNoSlot = kTextCount;

constexpr std::size_t TextSlot(unsigned id) {
    for (std::size_t i = 0; i < kTextCount; ++i) {
        if (kEngineTextIds[i] == id) {
            return i;
        }
    }
    return kNoSlot;
}

// Locale keys are "ll", "ll_cc", "ll@modifier" or "ll_cc@modifier", all lower case.
// A bare language names the language's row in the text table; a territory names the
// exact Windows LANGID, which may be one the table does not hold.
struct LocaleEntry {
    std::string_view key;
    std::uint16_t lang;
};

constexpr LocaleEntry kLocales[] = {
    // Languages the table holds.
    {"af", 1078}, {"am", 1118}, {"ar", 1025}, {"as", 1101}, {"az", 1068}, {"be", 1059},
    {"bg", 1026}, {"bn", 1093}, {"bs", 5146}, {"ca", 1027}, {"co", 1155}, {"cs", 1029},
    {"cy", 1106}, {"da", 1030}, {"de", 1031}, {"dv", 1125}, {"el", 1032}, {"en", 1033},
    {"es", 3082}, {"et", 1061}, {"eu", 1069}, {"fa", 1065}, {"fi", 1035}, {"fil", 1124},
    {"fr", 1036}, {"fy", 1122}, {"ga", 60},   {"gd", 1169}, {"gl", 1110}, {"gu", 1095},
    {"ha", 1128}, {"he", 1037}, {"hi", 1081}, {"hr", 1050}, {"hu", 1038}, {"hy", 1067},
    {"id", 1057}, {"ig", 1136}, {"is", 1039}, {"it", 1040}, {"ja", 1041}, {"ka", 1079},
    {"kk", 1087}, {"km", 1107}, {"kn", 1099}, {"ko", 1042}, {"ky", 1088}, {"lb", 1134},
    {"lo", 1108}, {"lt", 1063}, {"lv", 1062}, {"mi", 1153}, {"mk", 1071}, {"ml", 1100},
    {"mn", 1104}, {"mr", 1102}, {"ms", 1086}, {"mt", 1082}, {"nb", 1044}, {"ne", 1121},
    {"nl", 1043}, {"nso", 1132}, {"or", 1096}, {"pa", 1094}, {"pl", 1045}, {"ps", 1123},
    {"pt", 2070}, {"ro", 1048}, {"ru", 1049}, {"rw", 1159}, {"sa", 1103}, {"si", 1115},
    {"sk", 1051}, {"sl", 1060}, {"sq", 1052}, {"sr", 3098}, {"sv", 1053}, {"sw", 1089},
    {"ta", 1097}, {"te", 1098}, {"tg", 1064}, {"th", 1054}, {"tk", 1090}, {"tr", 1055},
    {"tt", 1092}, {"ug", 1152}, {"uk", 1058}, {"ur", 1056}, {"uz", 1091}, {"vi", 1066},
    {"xh", 1076}, {"yo", 1130}, {"zh", 2052}, {"zu", 1077},
    // Older or overlapping codes still found in locale names.
    {"iw", 1037}, {"in", 1057}, {"no", 1044}, {"tl", 1124},

    // Language and territory.
    {"af_za", 1078}, {"am_et", 1118},
    {"ar_sa", 1025}, {"ar_iq", 2049}, {"ar_eg", 3073}, {"ar_ly", 4097}, {"ar_dz", 5121},
    {"ar_ma", 6145}, {"ar_tn", 7169}, {"ar_om", 8193}, {"ar_ye", 9217}, {"ar_sy", 10241},
    {"ar_jo", 11265}, {"ar_lb", 12289}, {"ar_kw", 13313}, {"ar_ae", 14337}, {"ar_bh", 15361},
    {"ar_qa", 16385},
    {"as_in", 1101}, {"az_az", 1068}, {"az@cyrillic", 2092}, {"az_az@cyrillic", 2092},
    {"be_by", 1059}, {"bg_bg", 1026}, {"bn_in", 1093}, {"bn_bd", 2117},
    {"bs_ba", 5146}, {"bs@cyrillic", 8218}, {"bs_ba@cyrillic", 8218},
    {"ca_es", 1027}, {"ca@valencia", 2051}, {"ca_es@valencia", 2051},
    {"co_fr", 1155}, {"cs_cz", 1029}, {"cy_gb", 1106}, {"da_dk", 1030},
    {"de_de", 1031}, {"de_ch", 2055}, {"de_at", 3079}, {"de_lu", 4103}, {"de_li", 5127},
    {"dv_mv", 1125}, {"el_gr", 1032},
    {"en_us", 1033}, {"en_gb", 2057}, {"en_au", 3081}, {"en_ca", 4105}, {"en_nz", 5129},
    {"en_ie", 6153}, {"en_za", 7177}, {"en_jm", 8201}, {"en_bz", 10249}, {"en_tt", 11273},
    {"en_zw", 12297}, {"en_ph", 13321}, {"en_in", 16393}, {"en_my", 17417}, {"en_sg", 18441},
    {"es_es", 3082}, {"es_mx", 2058}, {"es_gt", 4106}, {"es_cr", 5130}, {"es_pa", 6154},
    {"es_do", 7178}, {"es_ve", 8202}, {"es_co", 9226}, {"es_pe", 10250}, {"es_ar", 11274},
    {"es_ec", 12298}, {"es_cl", 13322}, {"es_uy", 14346}, {"es_py", 15370}, {"es_bo", 16394},
    {"es_sv", 17418}, {"es_hn", 18442}, {"es_ni", 19466}, {"es_pr", 20490}, {"es_us", 21514},
    {"et_ee", 1061}, {"eu_es", 1069}, {"fa_ir", 1065}, {"fi_fi", 1035},
    {"fil_ph", 1124}, {"tl_ph", 1124},
    {"fr_fr", 1036}, {"fr_be", 2060}, {"fr_ca", 3084}, {"fr_ch", 4108}, {"fr_lu", 5132},
    {"fr_mc", 6156},
    {"fy_nl", 1122}, {"ga_ie", 2108}, {"gd_gb", 1169}, {"gl_es", 1110}, {"gu_in", 1095},
    {"ha_ng", 1128}, {"he_il", 1037}, {"iw_il", 1037}, {"hi_in", 1081},
    {"hr_hr", 1050}, {"hr_ba", 4122}, {"hu_hu", 1038}, {"hy_am", 1067},
    {"id_id", 1057}, {"in_id", 1057}, {"ig_ng", 1136}, {"is_is", 1039},
    {"it_it", 1040}, {"it_ch", 2064}, {"ja_jp", 1041}, {"ka_ge", 1079}, {"kk_kz", 1087},
    {"km_kh", 1107}, {"kn_in", 1099}, {"ko_kr", 1042}, {"ky_kg", 1088}, {"lb_lu", 1134},
    {"lo_la", 1108}, {"lt_lt", 1063}, {"lv_lv", 1062}, {"mi_nz", 1153}, {"mk_mk", 1071},
    {"ml_in", 1100}, {"mn_mn", 1104}, {"mn_cn", 2128}, {"mr_in", 1102},
    {"ms_my", 1086}, {"ms_bn", 2110}, {"mt_mt", 1082},
    {"nb_no", 1044}, {"no_no", 1044}, {"nn", 2068}, {"nn_no", 2068},
    {"ne_np", 1121}, {"ne_in", 2145}, {"nl_nl", 1043}, {"nl_be", 2067},
    {"nso_za", 1132}, {"or_in", 1096}, {"pa_in", 1094}, {"pa_pk", 2118}, {"pl_pl", 1045},
    {"ps_af", 1123}, {"pt_br", 1046}, {"pt_pt", 2070},
    {"ro_ro", 1048}, {"ro_md", 2072}, {"ru_ru", 1049}, {"ru_md", 2073}, {"rw_rw", 1159},
    {"sa_in", 1103}, {"si_lk", 1115}, {"sk_sk", 1051}, {"sl_si", 1060}, {"sq_al", 1052},
    {"sr@latin", 2074}, {"sr_cs", 3098}, {"sr_cs@latin", 2074},
    {"sr_ba", 7194}, {"sr_ba@latin", 6170}, {"sr_rs", 10266}, {"sr_rs@latin", 9242},
    {"sr_me", 12314}, {"sr_me@latin", 11290},
    {"sv_se", 1053}, {"sv_fi", 2077}, {"sw_ke", 1089},
    {"ta_in", 1097}, {"ta_lk", 2121}, {"te_in", 1098}, {"tg_tj", 1064}, {"th_th", 1054},
    {"tk_tm", 1090}, {"tr_tr", 1055}, {"tt_ru", 1092}, {"ug_cn", 1152}, {"uk_ua", 1058},
    {"ur_pk", 1056}, {"ur_in", 2080},
    {"uz_uz", 1091}, {"uz@cyrillic", 2115}, {"uz_uz@cyrillic", 2115},
    {"vi_vn", 1066}, {"xh_za", 1076}, {"yo_ng", 1130},
    {"zh_tw", 1028}, {"zh_cn", 2052}, {"zh_hk", 3076}, {"zh_sg", 4100}, {"zh_mo", 5124},
    {"zu_za", 1077},

    // Languages the table does not hold: their own LANGID, so the caller can tell them
    // apart from "no language at all".
    {"ba", 1133}, {"bo", 1105}, {"br", 1150}, {"chr", 1116}, {"ckb", 1170}, {"dsb", 2094},
    {"fo", 1080}, {"gsw", 1156}, {"haw", 1141}, {"hsb", 1070}, {"ii", 1144}, {"iu", 1117},
    {"kl", 1135}, {"kok", 1111}, {"la", 1142}, {"my", 1109}, {"oc", 1154}, {"om", 1138},
    {"rm", 1047}, {"sah", 1157}, {"se", 1083}, {"se_se", 2107}, {"se_fi", 3131},
    {"so", 1143}, {"st", 1072}, {"syr", 1114}, {"ti", 1139}, {"ti_er", 2163}, {"tn", 1074},
    {"tn_bw", 2098}, {"ts", 1073}, {"ve", 1075}, {"wo", 1160}, {"yi", 1085}, {"ji", 1085},
};

constexpr bool LocaleKeysUnique() {
    for (std::size_t i = 0; i < std::size(kLocales); ++i) {
        for (std::size_t j = i + 1; j < std::size(kLocales); ++j) {
            if (kLocales[i].key == kLocales[j].key) {
                return false;
            }
        }
    }
    return true;
}
static_assert(LocaleKeysUnique(), "a locale key must map to one LANGID only");

std::uint16_t LookUpLocale(std::string_view key) {
    for (const LocaleEntry& entry : kLocales) {
        if (entry.key == key) {
            return entry.lang;
        }
    }
    return 0;
}

constexpr bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The key as kLocales spells it: "ll[_cc][@modifier]" in lower case.
std::string LocaleKey(std::string_view language, std::string_view territory,
                      std::string_view modifier) {
    std::string key;
    key.reserve(language.size() + territory.size() + modifier.size() + 2);
    key.append(language);
    if (!territory.empty()) {
        key += '_';
        key.append(territory);
    }
    if (!modifier.empty()) {
        key += '@';
        key.append(modifier);
    }
    std::transform(key.begin(), key.end(), key.begin(), AsciiLower);
    return key;
}

}  // namespace

const char16_t* FindEngineText(std::uint16_t langId, unsigned id) {
    const std::size_t slot = TextSlot(id);
    if (slot == kNoSlot) {
        return nullptr;
    }
    const auto* row = std::lower_bound(
        std::begin(kEngineTexts), std::end(kEngineTexts), langId,
        [](const EngineTextRow& r, std::uint16_t lang) { return r.lang < lang; });
    if (row == std::end(kEngineTexts) || row->lang != langId) {
        return nullptr;
    }
    return row->texts[slot];
}

std::basic_string_view<std::uint16_t> EngineTextLanguages() {
    return {kLanguages.data(), kLanguages.size()};
}

std::uint16_t LangIdFromLocaleName(std::string_view name) {
    // language[_territory][.codeset][@modifier]; "-" is accepted for "_" as well.
    std::string_view modifier;
    if (const auto at = name.find('@'); at != std::string_view::npos) {
        modifier = name.substr(at + 1);
        name = name.substr(0, at);
    }
    if (const auto dot = name.find('.'); dot != std::string_view::npos) {
        name = name.substr(0, dot);
    }
    std::string_view language = name;
    std::string_view territory;
    if (const auto sep = name.find_first_of("_-"); sep != std::string_view::npos) {
        language = name.substr(0, sep);
        territory = name.substr(sep + 1);
    }

    // Rules out "C" and "POSIX" as well as anything that is not a language code.
    if (language.size() < 2 || language.size() > 3 ||
        !std::all_of(language.begin(), language.end(), IsAsciiLetter)) {
        return 0;
    }

    // Most specific first; a modifier matters more than a territory because it names the
    // script (sr@latin, uz@cyrillic).
    if (!modifier.empty()) {
        if (!territory.empty()) {
            if (const auto found = LookUpLocale(LocaleKey(language, territory, modifier))) {
                return found;
            }
        }
        if (const auto found = LookUpLocale(LocaleKey(language, {}, modifier))) {
            return found;
        }
    }
    if (!territory.empty()) {
        if (const auto found = LookUpLocale(LocaleKey(language, territory, {}))) {
            return found;
        }
    }
    return LookUpLocale(LocaleKey(language, {}, {}));
}

}  // namespace kalvo
