// Every text the windows alone show, as Windows-1251 bytes made at compile time; the texts
// the engine shows or sends are in core/text/texts.h.
// Texts that end in a space or a dash are prefixes: the caller appends the variable part.
#pragma once

#include "core/text/texts.h"

namespace melvoro::texts {

inline constexpr auto kKilobytes = W1251(u8" Кб");

// A transfer that has received nothing for a while: its percent column, and its tooltip
// (followed by the seconds and kSecondsUnit).
inline constexpr auto kWaitingForDataShort = W1251(u8"ждёт");
inline constexpr auto kWaitingForData = W1251(u8"Ждёт данных: ");
inline constexpr auto kSecondsUnit = W1251(u8" с");

// Main window, result rows and the download list
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
inline constexpr auto kDownloadsPaused = W1251(
    u8"Загрузки приостановлены: в окне «Настройки» в поле «Количество потоков скачки» стоит 0. "
    u8"Поставьте там число больше нуля, и загрузки начнутся.");
inline constexpr auto kResultRowFailedHint =
    W1251(u8"Загрузка не удалась (причина в логе). Щёлкните, чтобы попробовать ещё раз.");
inline constexpr auto kColumnNumber = W1251(u8"№");
inline constexpr auto kColumnName = W1251(u8"название");
inline constexpr auto kColumnPercent = W1251(u8"%");
inline constexpr auto kColumnSize = W1251(u8"Kb");
inline constexpr auto kColumnFile = W1251(u8"файл");

// The album page of the main window (laid out, never shown)
inline constexpr auto kAlbumHeading = W1251(u8"last.fm");
inline constexpr auto kAlbumRequestPrompt = W1251(u8"Введите название группы или имя исполнителя");
inline constexpr auto kAlbumRequestMissing = W1251(u8"Необходимо ввести название группы или имя исполнителя");
inline constexpr auto kAlbumSearchButton = W1251(u8"Искать!");
inline constexpr auto kAlbumOtherArtists = W1251(u8"Назад к исполнителям");
inline constexpr auto kAlbumBackToAlbums = W1251(u8"Назад к альбомам");
inline constexpr auto kAlbumArtistPlaceholder = W1251(u8"Исполнитель");
inline constexpr auto kAlbumAlbumPlaceholder = W1251(u8"Альбом");
inline constexpr auto kAlbumDownloadButton = W1251(u8"Скачать песни!");

// Settings, log and help windows
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
inline constexpr auto kChooseFolderTitle = W1251(u8"Пожалуйста, выберите папку для сохранения файлов");
inline constexpr auto kSaveConfigError =
    W1251(u8"Невозможно получить доступ к файлу config.ini. Переустановить программу");
inline constexpr auto kUpdaterMissing = W1251(u8"Не найдена программа обновления ");
inline constexpr auto kUpdaterNotStarted = W1251(u8"Не удалось запустить программу обновления ");
inline constexpr auto kLogCaption = W1251(u8"Лог программы");
inline constexpr auto kLogColumnTime = W1251(u8"Время");
inline constexpr auto kLogColumnDescription = W1251(u8"Описание");
inline constexpr auto kLogColumnDetails = W1251(u8"Добавочная информация");
inline constexpr auto kFriendsHelp = W1251(
    u8"Вы также можете скачать аудиозаписи со своей страницы Вконтакте, страниц ваших друзей и из групп.");
inline constexpr auto kMyPage = W1251(u8"Моя страница");
inline constexpr auto kMyFriends = W1251(u8"Мои друзья");
inline constexpr auto kMyGroups = W1251(u8"Мои группы");
inline constexpr auto kContinue = W1251(u8"Продолжить");

// Feedback window
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

// Update window, its swap script, and the update helper
inline constexpr auto kAutoUpdateCaption = W1251(u8"Обновление Melvoro");
inline constexpr auto kAutoUpdateLoading = W1251(u8"Загружается файл программы");
inline constexpr auto kAutoUpdateCancel = W1251(u8"Отмена");
inline constexpr auto kAutoUpdateNoRestart = W1251(u8"Не удалось запустить программу заново: ");

}  // namespace melvoro::texts
