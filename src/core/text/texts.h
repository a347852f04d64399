// Every text the program shows or sends, as Windows-1251 bytes made at compile time.
// Texts that end in a space or a dash are prefixes: the caller appends the variable part.
#pragma once

#include "core/text/cp1251.h"

namespace melvoro::texts {

// Application
// The version is the project's, from the build (CMake's project version).
inline constexpr auto kAppTitle = W1251(u8"Melvoro в. " MELVORO_VERSION);
inline constexpr auto kConfigErrorCaption = W1251(u8"Ошибка");
inline constexpr auto kConfigReadError = W1251(
    u8"Неопределенная ошибка во время чтения файла настроек. Возможно, просграмма будет работать "
    u8"неправильно. Попробуйте сбросить файл настроек через утилиту авторизации");

// Request worker
inline constexpr auto kRequestErrorCaption = W1251(u8"Произошла ошибка");
// The caption of a request that has no error handler of its own; its last letter is Latin.
inline constexpr auto kDefaultRequestErrorCaption = W1251(u8"Произошла ошибкa");
inline constexpr auto kErrNoInternet = W1251(u8"Не могу открыть интернет");
inline constexpr auto kErrNoConnection =
    W1251(u8"Не могу открыть соединение. Проверьте подключение к интернету.");
inline constexpr auto kErrBadStatus = W1251(u8"Неверный ответ сервера - ");
inline constexpr auto kErrTransferCut = W1251(u8"Соединение прервалось до конца передачи. Получено байт: ");
inline constexpr auto kErrStalled = W1251(u8"Сервер перестал присылать данные.");
inline constexpr auto kErrTooManyRedirects = W1251(u8"Слишком много перенаправлений.");
inline constexpr auto kErrBadAddress = W1251(u8"Неверный адрес: ");
inline constexpr auto kErrNetwork = W1251(u8"Ошибка сети: ");
inline constexpr auto kErrCannotCreateFile = W1251(u8"Не могу создать файл ");
inline constexpr auto kErrCannotWriteFile = W1251(u8"Не могу записать файл ");
inline constexpr auto kErrUnknown = W1251(u8"Неизвестная ошибка");
inline constexpr auto kErrNoAnswer = W1251(u8"Сервер не отвечает.");
inline constexpr auto kErrNotHttp = W1251(u8"Сервер ответил не по протоколу HTTP.");
inline constexpr auto kErrRedirectRefused = W1251(u8"Перенаправление на недопустимый адрес: ");
inline constexpr auto kErrNoDescriptors =
    W1251(u8"Слишком много открытых файлов и соединений: системе не хватает дескрипторов.");
inline constexpr auto kErrOutOfMemory = W1251(u8"Не хватает памяти.");
inline constexpr auto kErrCookieTooLong = W1251(u8"Слишком длинный cookie сессии, байт: ");
inline constexpr auto kErrBodyTooLarge = W1251(u8"Ответ сервера слишком велик, байт больше чем ");
inline constexpr auto kErrEmptySong = W1251(u8"Сервер прислал пустой ответ вместо песни.");
inline constexpr auto kErrPageNotSong = W1251(u8"Сервер прислал веб-страницу вместо песни.");

// Authorization utility (auth), shown on its terminal
inline constexpr auto kAuthLoginTitle = W1251(u8"Вход на ");
inline constexpr auto kAuthEmailPrompt = W1251(u8"E-mail: ");
inline constexpr auto kAuthPasswordPrompt = W1251(u8"Пароль: ");
inline constexpr auto kAuthWrongPassword = W1251(u8"Не удалось войти: неверный e-mail или пароль.");
inline constexpr auto kAuthLoginError = W1251(u8"Не удалось войти: ");
inline constexpr auto kAuthNotACookie = W1251(u8"Это не cookie сессии: в тексте нет remixsid.");
inline constexpr auto kAuthNoTerminal = W1251(u8"Нет терминала, чтобы спросить e-mail и пароль.");
inline constexpr auto kAuthCannotSave = W1251(u8"Не могу сохранить cookie: ");
inline constexpr auto kAuthCannotRead = W1251(u8"Не могу прочитать ");
inline constexpr auto kAuthCannotDelete = W1251(u8"Не могу удалить cookie: ");
inline constexpr auto kAuthNoPassword = W1251(u8"На стандартном вводе нет пароля.");

}  // namespace melvoro::texts

// Search controller and download queue
namespace melvoro::texts {
inline constexpr auto kSearchTitlePrefix = W1251(u8"Поиск ");
inline constexpr auto kNothingFoundFromNetwork = W1251(u8"Ничего не найдено из контакта.");
inline constexpr auto kPageCutShort =
    W1251(u8"Страница слишком сложна для разбора, разобрано начало. Найдено песен: ");
inline constexpr auto kLogDetailCut = W1251(u8"\n... (обрезано, всего байт: ");
inline constexpr auto kNoFreeAlbumEntry = W1251(u8"Невозможно добавить песню. Нет свободных потоков");
inline constexpr auto kQueuedPrefix = W1251(u8"Добавлена в очередь ");
inline constexpr auto kKilobytes = W1251(u8" Кб");
// A transfer that has received nothing for a while: its percent column, and its tooltip
// (followed by the seconds and kSecondsUnit).
inline constexpr auto kWaitingForDataShort = W1251(u8"ждёт");
inline constexpr auto kWaitingForData = W1251(u8"Ждёт данных: ");
inline constexpr auto kSecondsUnit = W1251(u8" с");
inline constexpr auto kBadThreadsCount = W1251(u8"Неверное число одновременных загрузок, загружаю по ");
inline constexpr auto kTransferFailedPrefix = W1251(u8"Не удалось скачать ");
inline constexpr auto kLookupFailedPrefix = W1251(u8"Не удалось найти ");
inline constexpr auto kEmDashSeparator = W1251(u8" — ");
}  // namespace melvoro::texts

// Files and the shell
namespace melvoro::texts {
inline constexpr auto kShellOpenError = W1251(u8"Ошибка при открытие браузера");
// The file name of a song or album whose name leaves nothing a file can be called.
inline constexpr auto kUnnamedFile = W1251(u8"Без названия");
inline constexpr auto kShellOpenHelp = W1251(
    u8"Скопируйте ссылку в браузер самостоятельно или установите правильно настройки программ по "
    u8"умолчанию(Панель управления-Установка удаление программ-Установка программ по умолчанию");
}  // namespace melvoro::texts

// Main window, result rows and the download list
namespace melvoro::texts {
inline constexpr auto kMainCaption = W1251(u8"Melvoro — поиск музыки");
inline constexpr auto kTabSingles = W1251(u8"Одиночные записи");
inline constexpr auto kTabSinglesHintPrefix = W1251(u8"Поиск отдельных песен на сайте ");
inline constexpr auto kTabAlbums = W1251(u8"Поиск альбомами");
inline constexpr auto kTabAlbumsHint = W1251(u8"Поиск музыки целыми альбомами");
inline constexpr auto kTabFriends = W1251(u8"Друзья");
inline constexpr auto kSearchPrompt = W1251(u8"Исполнитель или название");
inline constexpr auto kSearchButton = W1251(u8"OK");
inline constexpr auto kChartsButton = W1251(u8"ZAzuro");

// Charts window
inline constexpr auto kChartsCaption = W1251(u8"DazOduvEde");
inline constexpr auto kChartsMenuLastFm = W1251(u8"Last.Fm");
inline constexpr auto kChartsMenuRadio = W1251(u8"РадиоТоп");
inline constexpr auto kChartsArtistTop = W1251(u8"top by Artist Last.fm");
inline constexpr auto kChartsMemoCopy = W1251(u8"memo(clean)");
inline constexpr auto kChartsSpbTop = W1251(u8"Piter.FM top 100");
inline constexpr auto kChartsMskTop = W1251(u8"Moskva.FM top 100");
inline constexpr auto kChartsSpbPrompt = W1251(u8"Радио топ 100 Петербург");
inline constexpr auto kChartsMskPrompt = W1251(u8"Радио топ 100 Москва");
inline constexpr auto kChartsCancel = W1251(u8"Отмена");
inline constexpr auto kChartsOk = W1251(u8"OK");
inline constexpr auto kWelcomePrefix = W1251(u8"Поиск музыки по сайту ");
inline constexpr auto kNothingFound = W1251(u8"Ничего не найдено :-(");
inline constexpr auto kCreditLine = W1251(u8"Melvoro, 2009\nsupport@melvoro.net");
inline constexpr auto kSettingsButton = W1251(u8"Настройки");
inline constexpr auto kSettingsButtonHint = W1251(u8"Открыть окно настроек программы");
inline constexpr auto kLogOutButton = W1251(u8"Выйти");
inline constexpr auto kMenuListen = W1251(u8"Прослушать");
inline constexpr auto kMenuOpenFolder = W1251(u8"Открыть папку");
inline constexpr auto kMenuRetry = W1251(u8"Повторить");
inline constexpr auto kColumnNumber = W1251(u8"№");
inline constexpr auto kColumnName = W1251(u8"название");
inline constexpr auto kColumnPercent = W1251(u8"%");
inline constexpr auto kColumnSize = W1251(u8"Kb");
inline constexpr auto kColumnFile = W1251(u8"файл");
}  // namespace melvoro::texts

// The album page of the main window (laid out, never shown)
namespace melvoro::texts {
inline constexpr auto kAlbumHeading = W1251(u8"last.fm");
inline constexpr auto kAlbumRequestPrompt = W1251(u8"Введите название группы или имя исполнителя");
inline constexpr auto kAlbumRequestMissing = W1251(u8"Необходимо ввести название группы или имя исполнителя");
inline constexpr auto kAlbumSearchButton = W1251(u8"Искать!");
inline constexpr auto kAlbumOtherArtists = W1251(u8"Назад к исполнителям");
inline constexpr auto kAlbumBackToAlbums = W1251(u8"Назад к альбомам");
inline constexpr auto kAlbumArtistPlaceholder = W1251(u8"Исполнитель");
inline constexpr auto kAlbumAlbumPlaceholder = W1251(u8"Альбом");
inline constexpr auto kAlbumDownloadButton = W1251(u8"Скачать песни!");
}  // namespace melvoro::texts

// Settings, log and help windows
namespace melvoro::texts {
inline constexpr auto kSettingsCaption = W1251(u8"Настройки");
inline constexpr auto kSettingsLogButton = W1251(u8"Лог");
inline constexpr auto kProxyGroup = W1251(u8"Настройки прокси");
inline constexpr auto kProxyAutomatic = W1251(u8"Автоматическая настройка");
// The last letter is Latin.
inline constexpr auto kProxyAutomaticHint =
    W1251(u8"Настройки прокси будут браться из настроек InternetExplorer-a");
inline constexpr auto kUseProxy = W1251(u8"Использовать прокси сервер");
inline constexpr auto kUseProxyLogin = W1251(u8"Использовать авторизацию");
inline constexpr auto kProxyLogin = W1251(u8"Логин:");
inline constexpr auto kProxyPassword = W1251(u8"Пароль:");
inline constexpr auto kCheckConnection = W1251(u8"Проверить соединение");
inline constexpr auto kCheckConnectionHint = W1251(u8"Проверить настройки прокси");
inline constexpr auto kThreadsLabel = W1251(u8"Количество потоков скачки:");
inline constexpr auto kThreadsHint = W1251(u8"Рекомендуется не менять");
inline constexpr auto kFolderLabel = W1251(u8"Папка для загрузки файлов:");
inline constexpr auto kFolderFieldHint = W1251(u8"Папка для загрузки файлов");
inline constexpr auto kFolderExistsHint = W1251(u8"Папка для загрузки файлов.");
inline constexpr auto kFolderMissingHint = W1251(u8"Папка не существует.");
inline constexpr auto kAccountHint = W1251(
    u8"Для работы программы нужны имя пользователя и пароль социальной сети: их спросит утилита "
    u8"авторизации.");
inline constexpr auto kEmailLabel = W1251(u8"Ваш Email");
inline constexpr auto kEmailHint = W1251(
    u8"Ваш адрес электронной почты. Используется только при составлении писем в тех поддержку. Можно не "
    u8"указывать");
inline constexpr auto kEmailFieldHint = W1251(u8"E-mail, указанный при регистрации в социальной сети");
inline constexpr auto kCheckUpdates = W1251(u8"Проверить обновления");
inline constexpr auto kOk = W1251(u8"ОК");
inline constexpr auto kReportProblemButton = W1251(u8"Сообщить об ошибке");
inline constexpr auto kSupportButton = W1251(u8"Техническая поддержка");
inline constexpr auto kReportProblemCaption = W1251(u8"Сообщить о проблеме");
inline constexpr auto kSupportCaption = W1251(u8"Получить техническую поддержку");
inline constexpr auto kHelpProxy = W1251(
    u8"Автоматическая настройка прокси сервера подходит для большинства случаев.\nНастройки берутся из "
    u8"Internet "
    u8"Explorer-а, но если вы используетепрокси сервер с авторизацией, то необходимо установить параметры "
    u8"вручную.");
inline constexpr auto kHelpThreads = W1251(
    u8"Устанавливает количество одновременных скачиваний файлов. \nНе рекомендуется ставить значения больше "
    u8"10.");
inline constexpr auto kCreateFolderCaption = W1251(u8"Создать каталог");
inline constexpr auto kCreateFolderQuestionStart = W1251(u8"Папки «");
inline constexpr auto kCreateFolderQuestionMiddle = W1251(u8"» не существует. ");
inline constexpr auto kCreateFolderQuestionEnd = W1251(u8"Создать её?");
inline constexpr auto kCannotCreateFolder = W1251(u8"Не могу создать папку ");
inline constexpr auto kChooseFolderTitle = W1251(u8"Пожалуйста, выберите папку для сохранения файлов");
inline constexpr auto kSaveConfigError =
    W1251(u8"Невозможно получить доступ к файлу config.ini. Переустановить программу");
inline constexpr auto kUpdaterMissing = W1251(u8"Не найдена программа обновления ");
inline constexpr auto kUpdaterNotStarted = W1251(u8"Не удалось запустить программу обновления ");
inline constexpr auto kLogCaption = W1251(u8"Лог программы");
inline constexpr auto kLogColumnTime = W1251(u8"Время");
inline constexpr auto kLogColumnDescription = W1251(u8"Описание");
inline constexpr auto kLogColumnDetails = W1251(u8"Добавочная информация");
}  // namespace melvoro::texts

// Authorization utility (auth), its log-in dialog
namespace melvoro::texts {
inline constexpr auto kAuthDialogEmail = W1251(u8"E-mail:");
inline constexpr auto kAuthDialogPassword = W1251(u8"Пароль:");
inline constexpr auto kAuthDialogCookie = W1251(u8"Или вставьте cookie сессии из браузера:");
inline constexpr auto kAuthDialogLogIn = W1251(u8"Войти");
inline constexpr auto kAuthDialogCancel = W1251(u8"Отмена");
inline constexpr auto kAuthDialogWorking = W1251(u8"Вход…");
inline constexpr auto kAuthDialogNeedEmail = W1251(u8"Введите e-mail и пароль или вставьте cookie.");
inline constexpr auto kAuthNoDisplay = W1251(u8"Нет экрана, чтобы показать окно входа.");
}  // namespace melvoro::texts

// Friends and groups
namespace melvoro::texts {
inline constexpr auto kFriendsParseError = W1251(u8"Ошибка парсинга друзей!");
inline constexpr auto kGroupsParseError = W1251(u8"Ошибка парсинга групп!");
inline constexpr auto kOwnPageTitle = W1251(u8"Аудио с моей страницы (");
inline constexpr auto kFriendTitleInfix = W1251(u8": аудиозаписи (");
inline constexpr auto kGroupTitlePrefix = W1251(u8"Аудио в группе ");
inline constexpr auto kFriendsHelp = W1251(
    u8"Вы также можете скачать аудиозаписи со своей страницы Вконтакте, страниц ваших друзей и из групп.");
inline constexpr auto kMyPage = W1251(u8"Моя страница");
inline constexpr auto kMyFriends = W1251(u8"Мои друзья");
inline constexpr auto kMyGroups = W1251(u8"Мои группы");
inline constexpr auto kContinue = W1251(u8"Продолжить");
}  // namespace melvoro::texts

// Feedback window
namespace melvoro::texts {
inline constexpr auto kFeedbackWarning = W1251(
    u8"Внимание! Если у вас проблемы с подключением к интернету в этой программе то не стоит писать через "
    u8"эту форму! Воспользуйтесь ");
inline constexpr auto kFeedbackAdvice = W1251(
    u8"Постарайтесь не использовать стандартных выражение, вроде у меня не работает помогите мне. Прежде чем "
    u8"отправить сообщение, убедитесь, что написали все ваши действия, которые вы совершали, перед тем как "
    u8"произошла ошибка в программе. Никакие ваши конфедициальные данные не передаются. По вашему запросу "
    u8"будет передан только лог программы, ваше сообщение и ваш введенный email, для обратной связи.");
inline constexpr auto kFeedbackEmailLabel = W1251(u8"Ваш email");
inline constexpr auto kFeedbackDescriptionLabel = W1251(u8"Описание проблемы");
inline constexpr auto kFeedbackSendLog = W1251(u8"Отправить лог");
inline constexpr auto kFeedbackSendLogHint =
    W1251(u8"Очень желательно не убирать галочку. В логе нет ваших конфедициальных данных");
inline constexpr auto kFeedbackSend = W1251(u8"Отправить");
inline constexpr auto kFeedbackEmailHelp = W1251(
    u8"Ваш email используется только для того, отослать вам способы решения вашей проблемы.\n"
    u8"Если считаете, что ответ вам не нужен, можно оставить поле пустым \n"
    u8"Внимание: необходимо указать тот email, который вы указали при регистрации.");
inline constexpr auto kFeedbackDescriptionHelp = W1251(
    u8"Постарайтесь как можно подробнее описать вашу проблему.\n"
    u8"Чем больше информации вы предоставите, тем больше шанс, что ответ на вашу проблему будет "
    u8"однозначным.");
inline constexpr auto kFeedbackSent =
    W1251(u8"Сообщение успешно отправлено! Ожидайте ответа в течении суток.");
inline constexpr auto kFeedbackSentCaption = W1251(u8"Успех");
}  // namespace melvoro::texts

// Update window, its swap script, and the update helper
namespace melvoro::texts {
inline constexpr auto kAutoUpdateCaption = W1251(u8"Обновление Melvoro");
inline constexpr auto kAutoUpdateLoading = W1251(u8"Загружается файл программы");
inline constexpr auto kAutoUpdateCancel = W1251(u8"Отмена");
inline constexpr auto kAutoUpdateNoRestart = W1251(u8"Не удалось запустить программу заново: ");
// The script's console: its title (Windows-1251 on the line) and what it says (code page 866).
inline constexpr auto kUpdateScriptTitle = W1251(u8"Melvoro обновления");
inline constexpr auto kUpdateScriptWait = W1251(u8"Идет обновление Melvoro. Пожалуйста подождите");
inline constexpr auto kUpdateScriptDone = W1251(u8"Обновление завершено");
inline constexpr auto kUpdateScriptClose = W1251(u8"Это окно можно закрыть");
inline constexpr auto kUpdateScriptNotWritten = W1251(u8"Не удалось записать сценарий обновления: ");
inline constexpr auto kUpdateScriptNotStarted = W1251(u8"Не удалось запустить сценарий обновления ");
inline constexpr auto kUpdateCheckCaption = W1251(u8"Проверка обновлений Melvoro");
inline constexpr auto kUpdateChecking =
    W1251(u8"Узнаю на сервере поддержки, какая версия Melvoro самая новая…");
inline constexpr auto kUpdateNewest = W1251(u8"У вас самая новая версия Melvoro: ");
inline constexpr auto kUpdateAvailable = W1251(u8"Вышла новая версия Melvoro: ");
inline constexpr auto kUpdateYours = W1251(u8". У вас версия ");
inline constexpr auto kUpdateGetItAt = W1251(u8". Скачать её можно здесь: ");
inline constexpr auto kUpdateCheckFailed = W1251(u8"Не удалось проверить обновления: ");
inline constexpr auto kUpdateBadVersionFile = W1251(u8"сервер прислал непонятный файл версии.");
inline constexpr auto kUpdateCannotRead = W1251(u8"Не могу прочитать ");
}  // namespace melvoro::texts
