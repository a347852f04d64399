#include "charts/stations.h"

#include "core/text/cp1251.h"

namespace melvoro {

namespace {

const std::vector<std::string>& SpbStations() {
  static const std::vector<std::string> table = {
      W1251(u8"Рекорд - FM_106.3").str(),        W1251(u8"Наше Радио - FM_104.0").str(),
      W1251(u8"Монте-Карло - FM_105.9").str(),   W1251(u8"Европа Плюс - FM_100.5").str(),
      W1251(u8"Кекс FM - FM_91.1").str(),        W1251(u8"Эльдорадио - FM_101.4").str(),
      W1251(u8"Radio Metro - FM_102.4").str(),   W1251(u8"Радио Хит - FM_90.6").str(),
      W1251(u8"Радио РОКС - FM_102.0").str(),    W1251(u8"Шансон - FM_104.4").str(),
      W1251(u8"Радио Эрмитаж - FM_90.1").str(),  W1251(u8"Love Radio - FM_105.3").str(),
      W1251(u8"Maximum - FM_102.8").str(),       W1251(u8"Балтика - FM_104.8").str(),
      W1251(u8"Авторадио - FM_88.4").str(),      W1251(u8"Ретро FM - FM_88.0").str(),
      W1251(u8"Радио Зенит - FM_89.7").str(),    W1251(u8"Бизнес FM - FM_107.4").str(),
      W1251(u8"Юмор FM - FM_88.9").str(),        W1251(u8"Эхо Москвы - FM_91.5").str(),
      W1251(u8"Русское радио - FM_107.8").str(), W1251(u8"ПИТЕР FM 100.9 - FM_100.9").str(),
      W1251(u8"DFM - FM_103.4").str(),           W1251(u8"Дорожное радио - FM_87.5").str(),
  };
  return table;
}

const std::vector<std::string>& MskStations() {
  static const std::vector<std::string> table = {
      W1251(u8"DFM - FM_101.2").str(),
      W1251(u8"Пионер FM - FM_94.0").str(),
      W1251(u8"Наше Радио - FM_101.7").str(),
      W1251(u8"Европа Плюс - FM_106.2").str(),
      W1251(u8"Best FM - FM_100.5").str(),
      W1251(u8"Relax FM - FM_90.8").str(),
      W1251(u8"ROCK FM - FM_95.2").str(),
      W1251(u8"Радио Дача - FM_92.4").str(),
      W1251(u8"Русское Радио - FM_105.7").str(),
      W1251(u8"Love Radio - FM_106.6").str(),
      W1251(u8"Maximum - FM_103.7").str(),
      W1251(u8"NRJ - FM_104.2").str(),
      W1251(u8"Ultra - FM_70.19").str(),
      W1251(u8"Добрые песни - FM_94.4").str(),
      W1251(u8"Кекс FM - FM_89.9").str(),
      W1251(u8"Шансон - FM_103.0").str(),
      W1251(u8"Свежее радио - FM_98.4").str(),
      W1251(u8"Мегаполис FM - FM_89.5").str(),
      W1251(u8"Монте-Карло - FM_102.1").str(),
      W1251(u8"Серебряный дождь - FM_100.1").str(),
      W1251(u8"Хит FM - FM_107.4").str(),
      W1251(u8"Ретро FM - FM_88.3").str(),
      W1251(u8"Радио Алла - FM_98.8").str(),
      W1251(u8"X-FM - FM_96.4").str(),
      W1251(u8"Радио 7 - FM_104.7").str(),
      W1251(u8"Милицейская волна - FM_107.8").str(),
      W1251(u8"Радио Classic - FM_100.9").str(),
      W1251(u8"Вояж FM - FM_96.0").str(),
      W1251(u8"Радио Jazz - FM_89.1").str(),
      W1251(u8"Финам FM - FM_99.6").str(),
      W1251(u8"Кино FM - FM_98.0").str(),
      W1251(u8"Первое Популярное - FM_102.5").str(),
      W1251(u8"Радио Карнавал - FM_92.8").str(),
      W1251(u8"ЮFM - FM_68.84").str(),
      W1251(u8"Комсомольская правда - FM_97.2").str(),
      W1251(u8"Радио Звезда - FM_95.6").str(),
      W1251(u8"Говорит Москва - FM_92.0").str(),
      W1251(u8"NEXT FM - FM_105.2").str(),
      W1251(u8"Детское радио - FM_96.8").str(),
      W1251(u8"Авторадио - FM_90.3").str(),
      W1251(u8"Радио России - FM_66.44").str(),
      W1251(u8"Радио Маяк - FM_103.4").str(),
      W1251(u8"Юмор FM - FM_88.7").str(),
      W1251(u8"Русская Служба Новостей - FM_107.0").str(),
      W1251(u8"Newtone FM - FM_93.61").str(),
      W1251(u8"Радио Культура - FM_91.6").str(),
      W1251(u8"Моя Семья - FM_94.8").str(),
      W1251(u8"Радио Спорт - FM_93.2").str(),
      W1251(u8"Эхо Москвы - FM_91.2").str(),
      W1251(u8"Радио Орфей - FM_99.2").str(),
      W1251(u8"Вести FM - FM_97.6").str(),
      W1251(u8"Радио Свобода - FM_68.30").str(),
      W1251(u8"КоммерсантъFM - FM_93.6").str(),
      W1251(u8"Бизнес FM - FM_87.5").str(),
      W1251(u8"Сити-FM - FM_87.9").str(),
  };
  return table;
}

}  // namespace

const std::vector<std::string>& Stations(RadioSite site) {
  return site == RadioSite::Spb ? SpbStations() : MskStations();
}

std::optional<std::string> StationCode(std::string_view entry) {
  constexpr std::string_view kSeparator = " - ";
  const std::size_t at = entry.find(kSeparator);
  if (at == std::string_view::npos || at + kSeparator.size() == entry.size()) return std::nullopt;
  return std::string(entry.substr(at + kSeparator.size()));
}

const std::string& SiteHost(const Hosts& hosts, RadioSite site) {
  return site == RadioSite::Spb ? hosts.RadioSpb : hosts.RadioMsk;
}

}  // namespace melvoro
