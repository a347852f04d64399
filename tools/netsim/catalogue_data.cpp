// The demo catalogue's data. Every artist, title and person here is invented. Texts are
// UTF-8 in this file and become Windows-1251 once, when the catalogue is built.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/text/cp1251.h"
#include "netsim/catalogue.h"

namespace melvoro::netsim {

namespace {

struct SongSeed {
  int owner;
  int server;
  int duration;
  const char* artist;
  const char* title;
  bool lyrics;
  bool searchable = true;
};

// Indices into this table make up the audio lists below.
constexpr std::array<SongSeed, 61> kSongs = {{
    {42, 12, 224, "Северный Ветер", "Полночный трамвай", true},  // 0
    {42, 12, 187, "Северный Ветер", "Снег над Невой", false},
    {42, 12, 263, "Северный Ветер", "Дорога домой", true},
    {42, 12, 301, "Северный Ветер", "Осенний блюз", false},
    {42, 12, 198, "Северный Ветер", "Северный Ветер", false},
    {7, 345, 241, "Glass Otters", "Paper Lanterns", true},  // 5
    {7, 345, 356, "Glass Otters", "Slow Orbit", false},
    {7, 345, 178, "Glass Otters", "Tidewater", false},
    {7, 345, 95, "Glass Otters", "Otter Song <3", false},
    {1234, 4821, 212, "Кот-Барометр", "Давление падает", true},
    {1234, 4821, 169, "Кот-Барометр", "Циклон", false},  // 10
    {1234, 4821, 233, "Кот-Барометр", "Ясно, местами облачно", false},
    {1234, 4821, 47, "Кот-Барометр", "Штиль", false},
    {98765, 9999, 205, "Sonya & the Paper Moons", "Moon & Back", true},
    {98765, 9999, 244, "Sonya & the Paper Moons", "Cardboard Sky", false},
    {98765, 9999, 189, "Sonya & the Paper Moons", "Fold Me \"Twice\"", false},  // 15
    {3141592, 1, 276, "Mister O'Flannagan", "Whiskey & Rain", true},
    {3141592, 1, 142, "Mister O'Flannagan", "O'Flannagan's Reel", false},
    {3141592, 1, 199, "Mister O'Flannagan", "Don't Wake the Fiddler", false},
    {815, 77, 318, "Ансамбль \"Деревянный Кит\"", "Песня о ките", true},
    {815, 77, 254, "Ансамбль \"Деревянный Кит\"", "Вальс \"Прибой\"", false},  // 20
    {815, 77, 412, "Ансамбль \"Деревянный Кит\"", "Глубина", false},
    {2009, 2, 231, "Velvet Radiator", "Heat Sink", false},
    {2009, 2, 287, "Velvet Radiator", "Coolant Dreams", true},
    {2009, 2, 160, "Velvet Radiator", "Thermostat", false},
    {2009, 2, 540, "Velvet Radiator", "Radiator Blues (live)", false},  // 25
    {45678, 6123, 201, "Мятный Семафор", "Зелёный свет", false},
    {45678, 6123, 186, "Мятный Семафор", "Красный свет", true},
    {45678, 6123, 175, "Мятный Семафор", "Жёлтый свет", false},
    {600613, 808, 259, "Lumen Drive", "Night Shift", false},
    {600613, 808, 222, "Lumen Drive", "Exit 23", false},  // 30
    {600613, 808, 193, "Lumen Drive", "Headlights", true},
    {600613, 808, 1207, "Lumen Drive", "Long Drive Home (Extended)", false},
    // The page shows this performer on two lines, with a raw line break.
    {5, 31, 333, "Оркестр Тишины\nи Хор Полуночников", "Тишина", false},
    {5, 31, 61, "Оркестр Тишины\nи Хор Полуночников", "Пауза в ре миноре", true},
    {27, 1500, 215, "Пятый Подъезд", "Лифт не работает", true},  // 35
    {27, 1500, 176, "Пятый Подъезд", "Домофон", false},
    {27, 1500, 248, "Пятый Подъезд", "Ключи под ковриком", false},
    {27, 1500, 203, "Пятый Подъезд", "Третий этаж", false},
    {1000001, 4096, 297, "Neon Tundra", "Permafrost", false},
    {1000001, 4096, 266, "Neon Tundra", "Aurora FM", true},  // 40
    {1000001, 4096, 154, "Neon Tundra", "Husky Run", false},
    {1000001, 4096, 1, "Neon Tundra", "Intro", false},
    {314159, 256, 238, "Бумажный Змей", "Ветер в проводах", false},
    {314159, 256, 191, "Бумажный Змей", "Высота", true},
    {314159, 256, 227, "Бумажный Змей", "Письмо \"До востребования\"", false},  // 45
    {64, 9, 40, "Dr. Quill & The Inkwells", "Blot", false},
    {64, 9, 302, "Dr. Quill & The Inkwells", "Fountain Pen Romance", false},
    {64, 9, 219, "Dr. Quill & The Inkwells", "Ink & Paper", true},
    {3000, 7070, 256, "Станция Полынь", "Электричка", false},
    // A title the page breaks over two lines.
    {3000, 7070, 281, "Станция Полынь", "Перрон\nв тумане", true},  // 50
    {3000, 7070, 344, "Станция Полынь", "Последний поезд", false},
    {3000, 7070, 118, "Станция Полынь", "Расписание", false},
    {90210, 15, 207, "Les Chats Gris", "Gris", false},
    {90210, 15, 263, "Les Chats Gris", "Minuit sur le toit", false},
    // Only in audio lists: the search never shows them.
    {42, 12, 142, "Северный Ветер", "Демо (репетиция)", false, false},  // 55
    {1234, 4821, 188, "Пятый Подъезд", "Песня соседа (live)", false, false},
    {7, 345, 175, "Glass Otters", "Unreleased B-side", false, false},
    {3141592, 1, 96, "Кот-Барометр", "Прогноз на завтра", false, false},
    {98765, 9999, 455, "Velvet Radiator", "Garage Tape #3", false, false},
    {2009, 2, 203, "Neon Tundra", "Snowmobile (demo)", false, false},  // 60
}};

// One artist with many songs, so that a search can fill a long page.
constexpr const char* kManySongsArtist = "Сто Песен";
constexpr const char* kManySongsTitle = "Песня ";
constexpr int kManySongsCount = 150;
constexpr int kManySongsOwner = 100;
constexpr int kManySongsServer = 5000;

// Uploaded without the accents a radio chart prints ("Zoë Marchetti", "Café Überall"); after
// the numbered songs, so that every other song keeps its id.
constexpr SongSeed kPlainSpelled = {2718, 28, 214, "Zoe Marchetti", "Cafe Uberall", false};

constexpr int kDemoUserId = 314159;

struct ListSeed {
  int id;
  const char* name;
  std::vector<int> songs;  // indices into kSongs
};

const std::vector<ListSeed>& UserSeeds() {
  static const std::vector<ListSeed> users = {
      {kDemoUserId, "Сергей Демидов", {0, 5, 9, 13, 16, 19, 23, 32, 34, 42, 43, 44, 50, 55, 57}},
      {7, "Аня Ветрова", {5, 6, 7, 8, 57, 21}},
      {1234, "Пётр Громов", {9, 10, 11, 12, 56, 35, 36, 37, 38, 58}},
      {98765, "Lena Fox", {13, 14, 15, 59, 47}},
      {3141592, "Михаил Тучкин", {16, 17, 18, 58, 46, 48, 53, 54}},
  };
  return users;
}

const std::vector<ListSeed>& GroupSeeds() {
  static const std::vector<ListSeed> groups = {
      {15, "Клуб любителей тишины", {33, 34, 21, 12, 42, 52, 3}},
      {2048, "Indie Lounge", {5, 13, 22, 23, 24, 25, 29, 39, 59}},
      {500500, "Дорожные песни", {0, 2, 29, 30, 31, 32, 49, 51, 60}},
  };
  return groups;
}

// Ids grow irregularly, as uploads on a busy site do.
int AudioIdOf(int index) { return 60101 + index * 17 + (index * index) % 11; }

// Multiplying by an odd number is a bijection modulo 2^48, so distinct ids give distinct hashes.
std::string HashOf(int audio_id) {
  const std::uint64_t mixed = (static_cast<std::uint64_t>(audio_id) * 0x9E3779B97F4BULL) & 0xFFFFFFFFFFFFULL;
  char hex[16];
  std::snprintf(hex, sizeof hex, "%012llx", static_cast<unsigned long long>(mixed));
  return hex;
}

Song MakeSong(int index, const SongSeed& seed) {
  Song song;
  song.audio_id = AudioIdOf(index);
  song.owner_id = seed.owner;
  song.server = seed.server;
  song.hash = HashOf(song.audio_id);
  song.duration = seed.duration;
  song.artist = Utf8ToCp1251(seed.artist);
  song.title = Utf8ToCp1251(seed.title);
  song.lyrics_id = seed.lyrics ? 3000 + index * 3 : 0;
  song.searchable = seed.searchable;
  return song;
}

AudioList MakeList(const ListSeed& seed) {
  AudioList list{seed.id, Utf8ToCp1251(seed.name), {}};
  for (const int index : seed.songs) list.audio_ids.push_back(AudioIdOf(index));
  return list;
}

}  // namespace

Catalogue BuildCatalogue() {
  Catalogue c;
  int index = 0;
  for (const auto& seed : kSongs) c.songs.push_back(MakeSong(index++, seed));
  for (int n = 1; n <= kManySongsCount; ++n) {
    const std::string title = kManySongsTitle + std::to_string(n);
    const SongSeed seed{kManySongsOwner,  kManySongsServer, 60 + (n * 37) % 300,
                        kManySongsArtist, title.c_str(),    n % 10 == 0};
    c.songs.push_back(MakeSong(index++, seed));
  }
  c.songs.push_back(MakeSong(index++, kPlainSpelled));
  c.songs.back().charted = false;
  c.demo_user_id = kDemoUserId;
  for (const auto& seed : UserSeeds()) c.users.push_back(MakeList(seed));
  for (const auto& seed : GroupSeeds()) c.groups.push_back(MakeList(seed));
  c.accounts.push_back({"demo@melvoro.test", "demo", kDemoUserId});
  return c;
}

}  // namespace melvoro::netsim
