// Every text the program shows or sends, as Windows-1251 bytes made at compile time.
// Texts that end in a space or a dash are prefixes: the caller appends the variable part.
#pragma once

#include "core/cp1251.h"

namespace melvoro::texts {

// Application
inline constexpr auto kAppTitle = W1251(u8"Melvoro в. 2.0.1");
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
