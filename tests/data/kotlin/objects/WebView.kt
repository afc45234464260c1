val web_degisken1 = findViewById<WebView>(R.id.webView1)

//Tanımlı bu objeyi aşağıdaki gibi kullanabilirsiniz
//NOT: AndroidManifest.xml içerisinde İnternet Erişim izni vermeyi unutmayın
web_degisken1.settings.javaScriptEnabled = true  //JavaScript Kodları çalışabilir
web_degisken1.loadUrl("@WEB_ADDRESS@") //Siteye git
