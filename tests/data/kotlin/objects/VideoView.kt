val video_degisken1 = findViewById<VideoView>(R.id.videoView1)

//Projenin res klasörünün içerisine raw adlı bir klasör oluşturulur ve içerisine
//Çalıştırılacak dosya atılır mesela "videodosyam.3gp" şeklinde klasöre atılır
//Alt satırda R.raw.videodosyam şeklinde belirtmişim. Uzantı kullanılmaz sadece dosya adı olur
val videoYolu = Uri.parse("@VIDEO_ADDRESS@${R.raw.videodosyam}")
video_degisken1.setVideoURI(videoYolu)

// Videoyu oynatmak için aşağıdaki 2 satırlık kod yeterlidir
video_degisken1.requestFocus()
video_degisken1.start()

// Videoyunun Oynayıp oynamadığını kontrol etmek için ise;
val oynuyormu = video_degisken1.isPlaying //Dönen değer true ise evet oynuyor anlamında

// Videoyu durdurmak için ise aşağıdaki kodlar kullanılır
video_degisken1.stopPlayback()
video_degisken1.clearFocus()
