var Areas = new Array();
mScale = .7;
Areas.push('5,10,45,40,p2.htm,right');
Areas.push('2,2,42,32,javascript:history.back(),left');
