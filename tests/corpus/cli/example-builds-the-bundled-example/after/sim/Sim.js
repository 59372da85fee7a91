function buildSimulation(){
  Areas.push("300, 330, 500, 374, dashboard.html, left, 2");
  walk.push(new page(1, "login", "login.png", Areas));
  Areas.push("640, 20, 770, 56, settings.html, left, 3");
  Areas.push("40, 110, 380, 270, login.html, right, 1");
  walk.push(new page(2, "dashboard", "dashboard.png", Areas));
  Areas.push("40, 420, 190, 464, javascript:history.back(), left, -1");
  Areas.push("635, 155, 725, 245, dashboard.html, left, 2");
  Areas.push("560, 420, 740, 464, login.html, left, 1");
  walk.push(new page(3, "settings", "settings.png", Areas));
}
