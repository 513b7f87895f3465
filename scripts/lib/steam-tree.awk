# Prints the folders ("D path") and files ("F path", empty files) of a Steam-like tree of about
# 10,000 folders and 100,000 files for the game search benchmark: the client's files and folders,
# game trees up to a dozen levels deep, workshop items with numeric names, mixed-case names with
# spaces and a few non-ASCII ones, names that nearly match the game's, and one hl2.exe in
# steamapps/joe/half-life 2 episode two (the old per-account layout). Seeded, so every run builds
# the same tree with the same awk.
function pick(list, n) { return list[1 + int(rand() * n)] }
function cased(word,   r) {
  r = rand()
  if (r < 0.15) return toupper(substr(word, 1, 1)) substr(word, 2)
  if (r < 0.20) return toupper(word)
  return word
}
function folder_name(depth,   r) {
  r = rand()
  if (r < 0.45) return cased(pick(dirwords, ndirwords))
  if (r < 0.75) return cased(pick(dirwords, ndirwords)) "_" pick(words, nwords) int(rand() * 40)
  if (r < 0.90) return int(100000000 + rand() * 899999999)
  return cased(pick(words, nwords)) " " pick(words, nwords)
}
function file_name(   r) {
  r = rand()
  if (r < 0.05) return pick(decoys, ndecoys)
  if (r < 0.55) return cased(pick(words, nwords)) "_" pick(words, nwords) "_" int(rand() * 100) "." pick(exts, nexts)
  if (r < 0.85) return pick(words, nwords) int(rand() * 10) "." pick(exts, nexts)
  return cased(pick(words, nwords)) "." pick(exts, nexts)
}
# A folder with its files, then its subfolders while the budget lasts.
function grow(path, depth, budget,   i, n, subs, name, used, share) {
  print "D " path
  n = 1 + int(rand() * 19)
  for (i = 0; i < n; i++) print "F " path "/" file_name()
  budget--
  if (budget <= 0 || depth >= 9) return budget
  subs = 1 + int(rand() * (depth < 3 ? 12 : 5))
  if (subs > budget) subs = budget
  for (i = 0; i < subs && budget > 0; i++) {
    name = folder_name(depth)
    if ((path "/" name) in seen) continue
    seen[path "/" name] = 1
    share = int(budget / (subs - i))
    if (i < subs - 1 && rand() < 0.5) share = int(share * (0.3 + rand()))
    if (share < 1) share = 1
    used = share - grow(path "/" name, depth + 1, share)
    budget -= used
  }
  return budget
}
BEGIN {
  srand(420)
  ndirwords = split("materials models sound maps cfg bin platform resource scripts particles " \
    "weapons props_c17 props_junk props_wasteland effects shaders console vgui hud npc " \
    "characters humans combine vehicles music ambient physics textures media download " \
    "custom addons workshop content depotcache logs config skins public friends " \
    "graphics ui fonts locale localization overviews soundcache expressions", dirwords)
  nwords = split("citadel antlion strider hunter alyx vortigaunt gman barney kleiner " \
    "magnusson crowbar gravity gun rocket turret hopper manhack scanner headcrab zombie " \
    "fog sky water glass metal wood concrete brick tile dirt grass rock sand snow " \
    "\303\244rger le\303\247on na\303\257ve stra\303\237e", words)
  nexts = split("vtf vmt mdl vvd vtx phy ani wav mp3 bsp nav txt cfg dll exe vpk res ttf " \
    "cache dat ico manifest acf vdf lst pcf", exts)
  ndecoys = split("hl2.dll hl2.dat hl2.ico HL2.res h12.exe hl2.exe.bak hl2.ex hl2_exe " \
    "hl.exe xhl2.exe hl2.exe.old", decoys)

  root = "Steam"
  print "D " root
  nclient = split("steam.exe steamclient.dll steamclient64.dll tier0_s.dll tier0_s64.dll " \
    "vstdlib_s.dll vstdlib_s64.dll crashhandler.dll crashhandler64.dll steamerrorreporter.exe " \
    "Steam.dll SteamUI.dll GameOverlayRenderer.dll GameOverlayRenderer64.dll " \
    "gameoverlayui.exe ssfn1234567890 ClientRegistry.blob libavcodec-58.dll " \
    "libavformat-58.dll libavutil-56.dll uninstall.exe steam.signatures", client)
  for (i = 1; i <= nclient; i++) print "F " root "/" client[i]
  # The client's own folders, then the games, the workshop, and Episode Two in the old layout.
  split("bin config logs package public resource skins", top)
  for (i = 1; i <= 7; i++) grow(root "/" top[i], 1, 320)
  print "D " root "/steamapps"
  print "D " root "/steamapps/common"
  ngames = split("Half-Life 2|Portal|Team Fortress 2|Counter-Strike Source|Garry's Mod|" \
    "Left 4 Dead 2|Black Mesa|Half-Life 2 Deathmatch|Day of Defeat Source|Portal 2|" \
    "Sven Co-op|Synergy|Insurgency|Dota 2 beta|Alien Swarm|Zeno Clash|Dear Esther|" \
    "Kerbal Space Program|Stardew Valley|Terraria|The Stanley Parable|SourceFilmmaker", games, "|")
  for (i = 1; i <= ngames; i++) grow(root "/steamapps/common/" games[i], 3, 310)
  print "D " root "/steamapps/workshop"
  print "D " root "/steamapps/workshop/content"
  for (i = 0; i < 6; i++) grow(root "/steamapps/workshop/content/" (4000 + i * 17), 3, 220)
  print "D " root "/steamapps/joe"
  grow(root "/steamapps/joe/half-life 2 episode two", 3, 300)
  print "F " root "/steamapps/joe/half-life 2 episode two/hl2.exe"
}
