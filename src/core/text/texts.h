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
inline constexpr auto kAuthSessionSaved = W1251(u8"Сессия сохранена.");
inline constexpr auto kConsoleNoSession = W1251(
    u8"Нет сохранённой сессии, а терминала, чтобы спросить e-mail и пароль, нет. Войдите: auth --login");

// Search controller and download queue
inline constexpr auto kSearchTitlePrefix = W1251(u8"Поиск ");
inline constexpr auto kNothingFoundFromNetwork = W1251(u8"Ничего не найдено из контакта.");
inline constexpr auto kPageCutShort =
    W1251(u8"Страница слишком сложна для разбора, разобрано начало. Найдено песен: ");
inline constexpr auto kLogDetailCut = W1251(u8"\n... (обрезано, всего байт: ");
inline constexpr auto kNoFreeAlbumEntry = W1251(u8"Невозможно добавить песню. Нет свободных потоков");
inline constexpr auto kQueuedPrefix = W1251(u8"Добавлена в очередь ");
inline constexpr auto kBadThreadsCount = W1251(u8"Неверное число одновременных загрузок, загружаю по ");
inline constexpr auto kTransferFailedPrefix = W1251(u8"Не удалось скачать ");
inline constexpr auto kLookupFailedPrefix = W1251(u8"Не удалось найти ");
inline constexpr auto kNotPlayableLink = W1251(u8"Ссылка не по http, песня не попала в плейлист: ");
inline constexpr auto kSavedUnderOtherName = W1251(u8"Файл с таким именем уже был, песня сохранена как ");
inline constexpr auto kNoDownloadFolder =
    W1251(u8"Не выбрана папка для загрузки. Выберите её в окне «Настройки».");
inline constexpr auto kEmDashSeparator = W1251(u8" — ");

// Files and the shell: what could not be opened, and which kind of program would open it.
inline constexpr auto kOpenSongFailed =
    W1251(u8"Не удалось открыть песню: нет программы для её проигрывания");
inline constexpr auto kOpenFolderFailed = W1251(u8"Не удалось открыть папку: нет файлового менеджера");
inline constexpr auto kOpenLinkFailed = W1251(u8"Не удалось открыть ссылку: нет браузера");
inline constexpr auto kOpenSongHelp = W1251(
    u8"Установите медиаплеер (например, VLC, Audacious или mpv) из менеджера пакетов вашего дистрибутива "
    u8"Linux и назначьте его программой по умолчанию для звуковых файлов и списков воспроизведения: в "
    u8"настройках рабочего стола или командой xdg-mime default.");
inline constexpr auto kOpenFolderHelp = W1251(
    u8"Установите файловый менеджер (например, Nautilus, Dolphin или Thunar) из менеджера пакетов вашего "
    u8"дистрибутива Linux и назначьте его программой по умолчанию для папок (тип inode/directory): в "
    u8"настройках рабочего стола или командой xdg-mime default.");
inline constexpr auto kOpenLinkHelp = W1251(
    u8"Скопируйте ссылку в браузер самостоятельно или установите браузер (например, Firefox) из менеджера "
    u8"пакетов вашего дистрибутива Linux и назначьте его браузером по умолчанию: в настройках рабочего стола "
    u8"или командой xdg-settings set default-web-browser.");

// The file name of a song or album whose name leaves nothing a file can be called.
inline constexpr auto kUnnamedFile = W1251(u8"Без названия");
inline constexpr auto kOk = W1251(u8"ОК");
inline constexpr auto kCreateFolderQuestionStart = W1251(u8"Папки «");
inline constexpr auto kCreateFolderQuestionMiddle = W1251(u8"» не существует. ");
inline constexpr auto kCreateFolderQuestionEnd = W1251(u8"Создать её?");
inline constexpr auto kCannotCreateFolder = W1251(u8"Не могу создать папку ");

// Authorization utility (auth), its log-in dialog
inline constexpr auto kAuthDialogEmail = W1251(u8"E-mail:");
inline constexpr auto kAuthDialogPassword = W1251(u8"Пароль:");
inline constexpr auto kAuthDialogCookie = W1251(u8"Или вставьте cookie сессии из браузера:");
inline constexpr auto kAuthDialogLogIn = W1251(u8"Войти");
inline constexpr auto kAuthDialogCancel = W1251(u8"Отмена");
inline constexpr auto kAuthDialogWorking = W1251(u8"Вход…");
inline constexpr auto kAuthDialogNeedEmail = W1251(u8"Введите e-mail и пароль или вставьте cookie.");
inline constexpr auto kAuthNoDisplay = W1251(u8"Нет экрана, чтобы показать окно входа.");

// Friends and groups
inline constexpr auto kFriendsParseError = W1251(u8"Ошибка парсинга друзей!");
inline constexpr auto kGroupsParseError = W1251(u8"Ошибка парсинга групп!");
inline constexpr auto kOwnPageTitle = W1251(u8"Аудио с моей страницы (");
inline constexpr auto kFriendTitleInfix = W1251(u8": аудиозаписи (");
inline constexpr auto kGroupTitlePrefix = W1251(u8"Аудио в группе ");
inline constexpr auto kFeedbackSent =
    W1251(u8"Сообщение успешно отправлено! Ожидайте ответа в течении суток.");
inline constexpr auto kFeedbackSentCaption = W1251(u8"Успех");

// The script's console: its title (Windows-1251 on the line) and what it says (code page 866).
inline constexpr auto kUpdateScriptTitle = W1251(u8"Melvoro обновления");
inline constexpr auto kUpdateScriptWait = W1251(u8"Идет обновление Melvoro. Пожалуйста подождите");
inline constexpr auto kUpdateScriptDone = W1251(u8"Обновление завершено");
inline constexpr auto kUpdateScriptClose = W1251(u8"Это окно можно закрыть");
inline constexpr auto kUpdateScriptNotWritten = W1251(u8"Не удалось записать сценарий обновления: ");
inline constexpr auto kUpdateScriptNotStarted = W1251(u8"Не удалось запустить сценарий обновления ");
// Why a path cannot go into the swap script; the path follows.
inline constexpr auto kUpdatePathQuote = W1251(u8"в пути есть кавычка: ");
inline constexpr auto kUpdatePathPercent = W1251(u8"в пути есть знак процента: ");
inline constexpr auto kUpdatePathControl = W1251(u8"в пути есть управляющий символ: ");
inline constexpr auto kUpdatePathWildcard =
    W1251(u8"в пути есть знак подстановки или знак, которого нет в Windows-1251: ");
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
