function buildSimulation(){
  Areas.push("76, 34, 124, 66, rec002.html, left, 2");
  walk.push(new page(1, "rec001", "rec001.png", Areas));
  Areas.push("200, 20, 280, 50, rec003.html, right, 3");
  walk.push(new page(2, "rec002", "rec002.png", Areas));
  Areas.push("10, 150, 130, 174, rec004.html, left, 4");
  walk.push(new page(3, "rec003", "rec003.png", Areas));
  Areas.push("176, 84, 224, 116, rec005.html, left, 5");
  walk.push(new page(4, "rec004", "rec004.png", Areas));
  walk.push(new page(5, "rec005", "rec005.png", Areas));
}
